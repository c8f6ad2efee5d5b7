// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Two complete sets of user settings, "old" (0) and "new" (1), that differ in every file: the
// configuration, the five profiles and the macro library. The saving process writes them in
// turn; the test knows what each file must hold.

#include <string>
#include <vector>

#include "macros/macro_library.h"

namespace ferrox::test {

// Puts set `which` into the configuration table, the five profiles and library.
void MakeSaveState(int which, MacroLibrary& library);
// Writes everything as the window's deferred save and the macro manager do (the library on the
// saving thread); false on a failure.
bool SaveEverything(const MacroLibrary& library);

// What each file holds after set `which` was saved, as the readers see it.
struct SavedTexts {
    std::vector<std::wstring> config;
    std::vector<std::vector<std::wstring>> profiles; // by slot
    std::wstring macros;
};
SavedTexts TextsOf(int which, MacroLibrary& library);

} // namespace ferrox::test
