// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/virtual/spoiled_answers.h"

#include <algorithm>

namespace ferrox {

void AnswerSpoiler::arm(SpoiledAnswer kind, int count) {
    kind_ = kind;
    remaining_ = std::max(count, 0);
}

bool AnswerSpoiler::spoil(std::span<uint8_t> answer, std::span<const uint8_t> before) {
    if (remaining_ == 0) {
        return false;
    }
    --remaining_;
    if (kind_ == SpoiledAnswer::Short) {
        for (std::size_t i = kShortLength; i < answer.size() && i < before.size(); ++i) {
            answer[i] = before[i];
        }
        return true;
    }
    for (std::size_t i = 1; i < answer.size(); ++i) {
        answer[i] = nextRandom();
    }
    if (answer.size() > 6) {
        answer[6] = static_cast<uint8_t>(0xE0 | answer[6]); // longer than any frame holds
    }
    return true;
}

uint8_t AnswerSpoiler::nextRandom() {
    // xorshift32
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<uint8_t>(state_ >> 24);
}

} // namespace ferrox
