// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the selection dialog's choice makes of a button: the macro at the shared selection,
// shown as "Macro-" and its name, with the macro function (its loop and device slot are filled
// in when the macros are placed on the mouse). Anything else disables the button.

#include "buttons/button_function.h"
#include "macros/macro_library.h"

#include <string>

namespace ferrox {

struct MacroChoice {
    std::wstring name;
    ButtonFunction code;
    const MacroKey* macro = nullptr;
};

MacroChoice ChosenMacro(const MacroLibrary& library, const MacroLocation& selection);

} // namespace ferrox
