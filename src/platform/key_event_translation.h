// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The virtual-key code of a Qt key event: from the key's position (the evdev scan code, as the
// X11 and Wayland platforms report it) and, for events without one, from the Qt key.

#include <cstdint>

class QKeyEvent;

namespace ferrox {

// 0 when the key has no code in this program.
std::uint8_t VirtualKeyOf(const QKeyEvent& event);

// The fallback on its own: the Qt key, read as a keypad key when keypad is set.
std::uint8_t VirtualKeyFromQtKey(int qtKey, bool keypad);

} // namespace ferrox
