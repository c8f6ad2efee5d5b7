// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a captured keystroke becomes: the virtual-key code of a key position, and the event
// word that carries the release flag and the time of the keystroke.

#include <cstdint>

namespace ferrox {

// Virtual-key code of the key at a Linux input (evdev) key code, 0 for keys the program has
// no code for. Codes follow key positions, as the mouse's key usages do: the keypad gives its
// digits whatever the Num Lock state, left and right modifiers keep their sides, and keypad
// Enter is the agreed code 0x0E.
std::uint8_t VirtualKeyFromScanCode(unsigned evdevCode);

// Event word of a keystroke: bit 31 set for a release, bits 0..30 the time in milliseconds on
// a clock that wraps at 2^31.
inline constexpr std::uint32_t KeyEventReleaseBit = 0x80000000u;
inline constexpr std::uint32_t KeyEventTimeMask = 0x7FFFFFFFu;

constexpr std::uint32_t KeyEventWord(bool release, std::uint32_t milliseconds) {
    return (release ? KeyEventReleaseBit : 0u) | (milliseconds & KeyEventTimeMask);
}
constexpr bool KeyEventIsRelease(std::uint32_t word) {
    return (word & KeyEventReleaseBit) != 0;
}
constexpr std::uint32_t KeyEventTime(std::uint32_t word) {
    return word & KeyEventTimeMask;
}
// Milliseconds from an earlier event's time to a later one's, across the clock's wrap.
constexpr std::uint32_t KeyEventGap(std::uint32_t earlierWord, std::uint32_t laterWord) {
    return (KeyEventTime(laterWord) - KeyEventTime(earlierWord)) & KeyEventTimeMask;
}

} // namespace ferrox
