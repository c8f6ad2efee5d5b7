// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours in memory are Windows COLORREF words: red in the low byte, then green, then blue;
// high byte 0. Files and people write them the other way round, as RRGGBB.

#include <cstdint>

namespace ferrox {

using Colour = std::uint32_t;

constexpr Colour Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return Colour(red) | Colour(green) << 8 | Colour(blue) << 16;
}
// From the way files and people write colours: 0xRRGGBB.
constexpr Colour ColourFromHex(std::uint32_t rrggbb) {
    return Rgb(std::uint8_t(rrggbb >> 16), std::uint8_t(rrggbb >> 8), std::uint8_t(rrggbb));
}
constexpr std::uint8_t RedOf(Colour c) {
    return std::uint8_t(c);
}
constexpr std::uint8_t GreenOf(Colour c) {
    return std::uint8_t(c >> 8);
}
constexpr std::uint8_t BlueOf(Colour c) {
    return std::uint8_t(c >> 16);
}

} // namespace ferrox
