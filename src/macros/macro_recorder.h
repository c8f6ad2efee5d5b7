// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns the keystrokes of a recording into the actions of a macro: one action per press or
// release, key repeats dropped, and optionally the measured pause before each keystroke.

#include "macros/macro_types.h"

#include <cstdint>

namespace ferrox {

enum class RecordResult {
    Ignored,      // nothing recorded: no recording, a mouse code, or a repeat of the last event
    Recorded,     // the macro grew by the keystroke (and the pause before it)
    LimitReached, // the macro is full: the keystroke was not recorded and the recording ended;
                  // the caller stops the key capture before it tells the user, or the keys
                  // that close its notice would be taken too
};

class MacroRecorder {
public:
    // Starts a recording into macro, discarding its actions (every slot is cleared, or the
    // old actions would be shifted along behind the new ones). False, and nothing changes,
    // without a macro.
    bool start(MacroKey* macro);
    // Ends the recording; later keystrokes are ignored. Harmless when idle.
    void stop();
    bool isRecording() const { return macro_ != nullptr; }
    MacroKey* macro() const { return macro_; }

    // One captured keystroke: code is the virtual-key code (low byte used), eventWord the
    // release bit and time of the keystroke. With recordDelays the pause since the previous
    // recorded keystroke goes in first; the first keystroke of a recording has none, even
    // when actions were inserted by hand before it.
    RecordResult onKeyEvent(unsigned code, std::uint32_t eventWord, bool recordDelays);

private:
    bool hasRoomFor(std::uint32_t actions) const;
    void append(MacroAction action);

    MacroKey* macro_ = nullptr;
    std::uint8_t lastCode_ = 0;
    std::uint32_t lastEventWord_ = 0;
    bool anyRecorded_ = false;
};

} // namespace ferrox
