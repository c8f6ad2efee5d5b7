// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bits of RadioGroupFlags: one a radio button, and the bits of each group. The program's
// radio table (control_bindings.cpp) gives them to the buttons, and whoever reads or sets a
// choice names them here, so that a bit means the same everywhere.

#include <cstdint>

namespace ferrox::RadioBit {

// X_DPI choices 0..6: choice n is bit n.
inline constexpr std::uint32_t XDpiFirst = 0x1;
inline constexpr std::uint32_t XDpiGroup = 0x7F;
inline constexpr std::uint32_t ScrollLines = 0x80;
inline constexpr std::uint32_t ScrollPages = 0x100;
inline constexpr std::uint32_t ScrollGroup = 0x180;
// The move-lighting check and the profile chooser share a group of their own.
inline constexpr std::uint32_t MoveLighting = 0x200;
inline constexpr std::uint32_t ProfileChooser = 0x400;
inline constexpr std::uint32_t MoveLightingGroup = 0x600;
inline constexpr std::uint32_t DirectionUp = 0x800;
inline constexpr std::uint32_t DirectionDown = 0x1000;
inline constexpr std::uint32_t DirectionGroup = 0x1800;
// Macro loop types 1, 4 and 2.
inline constexpr std::uint32_t LoopHeld = 0x2000;
inline constexpr std::uint32_t LoopToggle = 0x4000;
inline constexpr std::uint32_t LoopCounted = 0x8000;
inline constexpr std::uint32_t LoopGroup = 0xE000;
// Report rates, one bit up each: the rate's number shifts Rate125.
inline constexpr std::uint32_t Rate125 = 0x10000;
inline constexpr std::uint32_t Rate250 = 0x20000;
inline constexpr std::uint32_t Rate500 = 0x40000;
inline constexpr std::uint32_t Rate1000 = 0x80000;
inline constexpr std::uint32_t RateGroup = 0xF0000;
inline constexpr std::uint32_t LiftLow = 0x100000;
inline constexpr std::uint32_t LiftHigh = 0x200000;
inline constexpr std::uint32_t LiftGroup = 0x300000;

} // namespace ferrox::RadioBit
