// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "macros/macro_recorder.h"

#include "keys/key_capture.h"

#include <algorithm>
#include <cassert>

namespace ferrox {

bool MacroRecorder::start(MacroKey* macro) {
    if (!macro)
        return false;
    macro_ = macro;
    macro_->ClearActions();
    macro_->MacroCommandActionNum = 0;
    lastCode_ = 0;
    lastEventWord_ = 0;
    anyRecorded_ = false;
    return true;
}

void MacroRecorder::stop() {
    macro_ = nullptr;
}

RecordResult MacroRecorder::onKeyEvent(unsigned code, std::uint32_t eventWord, bool recordDelays) {
    const auto key = std::uint8_t(code);
    const bool release = KeyEventIsRelease(eventWord);
    // Mouse buttons never enter a recording; a held key repeats its press.
    if (!macro_ || key < MacroActionCode::DelayLimit)
        return RecordResult::Ignored;
    if (key == lastCode_ && release == KeyEventIsRelease(lastEventWord_))
        return RecordResult::Ignored;

    const bool withDelay = recordDelays && anyRecorded_;
    // A recorded delay costs the device no command of its own, but a slot in the macro.
    if (!hasRoomFor(withDelay ? 2 : 1)) {
        stop();
        return RecordResult::LimitReached;
    }
    ++macro_->MacroCommandActionNum;
    if (withDelay)
        append(MacroAction::MakeDelay(
            std::min(KeyEventGap(lastEventWord_, eventWord), MacroDelayDeviceMax)));
    append(MacroAction::MakeKey(key, release));

    lastCode_ = key;
    lastEventWord_ = eventWord;
    anyRecorded_ = true;
    return RecordResult::Recorded;
}

// Actions inserted by hand during a recording fill slots without always adding commands, so
// both limits are checked before anything is appended: a keystroke never goes in without the
// delay that belongs before it.
bool MacroRecorder::hasRoomFor(std::uint32_t actions) const {
    return macro_->MacroCommandActionNum < MacroCommandLimit &&
           macro_->MacroActionNum + actions <= MacroActionCapacity;
}

void MacroRecorder::append(MacroAction action) {
    [[maybe_unused]] const bool appended = macro_->InsertAction(macro_->MacroActionNum, action);
    assert(appended);
}

} // namespace ferrox
