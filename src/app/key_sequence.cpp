// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/key_sequence.h"

#include "platform/virtual_keys.h"

namespace ferrox {

KeyVerdict KeySequenceFilter::keyDown(int virtualKey) {
    if (virtualKey == vk::Return || virtualKey == vk::Escape) {
        counter_ = 0;
        return KeyVerdict::Swallow;
    }
    if (virtualKey == kSupportSequence[std::size_t(counter_)])
        ++counter_;
    else
        counter_ = virtualKey == kSupportSequence[0] ? 1 : 0;
    if (counter_ < int(kSupportSequence.size()))
        return KeyVerdict::PassOn;
    counter_ = 0;
    return KeyVerdict::ShowSupport;
}

} // namespace ferrox
