// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/macro_dialogs/macro_choice.h"

#include "lang/language_table.h"

namespace ferrox {

namespace {
constexpr int kMacroPrefix = 190;
constexpr int kDisabledName = 34;
} // namespace

MacroChoice ChosenMacro(const MacroLibrary& library, const MacroLocation& selection) {
    const MacroItem* node = library.NodeAt(selection);
    if (selection.stage < 0 || !node || node->IsFree() || node->MacroItemIsFolder ||
        !node->macro)
        return {LanguageText(kDisabledName), ButtonFunction{}, nullptr};
    return {LanguageText(kMacroPrefix) + node->MacroItemName,
            MakeFunction(FunctionCategory::Macro), node->macro.get()};
}

} // namespace ferrox
