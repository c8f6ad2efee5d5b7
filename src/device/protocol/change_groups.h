// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The groups in which changes travel to the mouse: the change flags of RequestApply, and the
// groups recorded while a saved change has not reached the mouse yet.

namespace ferrox {

namespace ChangeGroup {
inline constexpr unsigned Keys = 1;     // key assignments
inline constexpr unsigned Settings = 2; // DPI, colours, rate, lighting, lift height, debounce
inline constexpr unsigned Power = 4;    // "PowerDownTime", "MoveLightingOnOffMode"
inline constexpr unsigned Wakeup = 8;   // "MotionWakeup"
inline constexpr unsigned Pointer = 16; // the window's pointer settings; cleared with the rest
inline constexpr unsigned Macros = 32;  // the macros the keys play
// What the mouse holds; the pointer settings never reach it.
inline constexpr unsigned Device = Keys | Settings | Power | Wakeup | Macros;
} // namespace ChangeGroup

} // namespace ferrox
