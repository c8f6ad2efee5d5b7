// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Answers the virtual mouse spoils on purpose, to prove that the program survives a device
// that talks nonsense: random bytes in place of the answer, or an answer cut short so that
// the rest of the reader's buffer keeps what it held before the read.

#include <cstdint>
#include <span>

namespace ferrox {

enum class SpoiledAnswer {
    Garbage, // every byte after the report ID random, the payload length beyond any payload
    Short,   // only the header and the first payload bytes arrive
};

class AnswerSpoiler {
public:
    // The next `count` answers are spoiled this way.
    void arm(SpoiledAnswer kind, int count);

    // answer holds the good answer, before what the reader's buffer held before the read.
    // Spoils answer when armed; false when it was left alone.
    bool spoil(std::span<uint8_t> answer, std::span<const uint8_t> before);

    // Bytes of a short answer that arrive: the header, the length and the signature.
    static constexpr std::size_t kShortLength = 12;

private:
    uint8_t nextRandom();

    SpoiledAnswer kind_ = SpoiledAnswer::Garbage;
    int remaining_ = 0;
    uint32_t state_ = 0x9E3779B9; // fixed: a failing run repeats
};

} // namespace ferrox
