// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which button functions the user can choose, and the name each gets: the function menus'
// fixed codes, the shortcut capture dialog's key combinations and the fire key dialog's codes.
// Macro codes are never chosen as such: a macro is picked by name and linked before sending.

#include "buttons/button_function.h"
#include "buttons/key_slot.h"
#include "lang/language_table.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ferrox {

// Whether a function menu or the shortcut or fire key dialog can produce the code.
bool IsChoosableFunction(const ButtonFunction& function);

// The name the menu or dialog that produces the code gives it ("Ctrl+Shift+F5" for a key
// combination no menu offers); the code's six hexadecimal digits for any other code.
std::wstring ChosenFunctionName(const ButtonFunction& function);

// What the shortcut dialog names a combination: "Ctrl+", "Shift+", "Alt+", "Super+" for the
// modifier bits, in that order, then the key's name, without one trailing "+".
std::wstring ShortcutName(std::uint8_t modifiers, std::wstring_view keyName);

// The name a key button shows for its slot, in the language of `texts`. The stored name was
// made in whatever language was current then, so fixed functions are named from their code
// and the names the program composes (key combinations, fire key, DPI lock) are composed
// again; a combination captured in the shortcut dialog keeps the key it was captured with.
// A macro's name was typed by the user and shows as stored, as does a code no chooser makes.
std::wstring SlotDisplayName(const KeySlot& slot, const LanguageTexts& texts);

} // namespace ferrox
