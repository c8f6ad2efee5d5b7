// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which button functions the user can choose, and the name each gets: the function menus'
// fixed codes, the shortcut capture dialog's key combinations and the fire key dialog's codes.
// Macro codes are never chosen as such: a macro is picked by name and linked before sending.

#include "buttons/button_function.h"

#include <string>

namespace ferrox {

// Whether a function menu or the shortcut or fire key dialog can produce the code.
bool IsChoosableFunction(const ButtonFunction& function);

// The name the menu or dialog that produces the code gives it ("Ctrl+Shift+F5" for a key
// combination no menu offers); the code's six hexadecimal digits for any other code.
std::wstring ChosenFunctionName(const ButtonFunction& function);

} // namespace ferrox
