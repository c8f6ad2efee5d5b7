// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/key_repeat_fold.h"

namespace ferrox {

void KeyRepeatFold::Take(std::uint8_t key, bool release, const CapturedKeySink& sink) {
    const CapturedKey now{key, KeyEventWord(release, clock_())};
    if (held_ && !release && held_->key == key &&
        KeyEventGap(held_->word, now.word) <= HoldBackMs) {
        held_.reset();
        return;
    }
    Flush(sink);
    if (release)
        held_ = now;
    else
        sink(now);
}

std::optional<std::uint32_t> KeyRepeatFold::Expire(const CapturedKeySink& sink) {
    if (!held_)
        return std::nullopt;
    const std::uint32_t waited = KeyEventGap(held_->word, KeyEventWord(false, clock_()));
    if (waited < HoldBackMs)
        return HoldBackMs - waited;
    Flush(sink);
    return std::nullopt;
}

void KeyRepeatFold::Flush(const CapturedKeySink& sink) {
    if (!held_)
        return;
    const CapturedKey out = *held_;
    held_.reset();
    sink(out);
}

} // namespace ferrox
