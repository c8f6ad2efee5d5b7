// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the shortcut and fire key dialogs hand their window when the user confirms: the name
// the key button shows and the function it gets. The record's address is the lParam of the
// result message; the window copies what it needs at once.

#include "buttons/button_function.h"

#include <string>

namespace ferrox {

struct KeyChoice {
    std::wstring name;
    ButtonFunction code;
};

namespace KeyChoiceMessage {
inline constexpr unsigned FireKey = 0x427;  // wParam: the OK button's id
inline constexpr unsigned Shortcut = 0x40C; // wParam: the OK button's id
} // namespace KeyChoiceMessage

} // namespace ferrox
