// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keys as the window handlers know them: Windows virtual-key codes, which the dialogs and the
// stored shortcuts use. Letters and digits are their upper-case ASCII codes.

class QKeyEvent;

namespace ferrox::vk {

inline constexpr int Back = 0x08;
inline constexpr int Tab = 0x09;
inline constexpr int Return = 0x0D;
inline constexpr int Shift = 0x10;
inline constexpr int Control = 0x11;
inline constexpr int Menu = 0x12; // Alt
inline constexpr int Escape = 0x1B;
inline constexpr int Space = 0x20;
inline constexpr int Prior = 0x21; // Page Up
inline constexpr int Next = 0x22;  // Page Down
inline constexpr int End = 0x23;
inline constexpr int Home = 0x24;
inline constexpr int Left = 0x25;
inline constexpr int Up = 0x26;
inline constexpr int Right = 0x27;
inline constexpr int Down = 0x28;
inline constexpr int Insert = 0x2D;
inline constexpr int Delete = 0x2E;
inline constexpr int F1 = 0x70;

// The virtual-key code of a Qt key event, or 0 for a key the table does not know.
int Of(const QKeyEvent& event);

} // namespace ferrox::vk
