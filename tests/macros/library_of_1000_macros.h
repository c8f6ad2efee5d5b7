// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The large library the benchmarks measure with: 16 folders of 60 macros and 40 macros at the
// top level, each with 20 actions.

#include "macros/macro_library.h"

#include <string>

namespace ferrox::test {

inline void FillWith1000Macros(MacroLibrary& lib) {
    auto addMacro = [&lib](const std::wstring& name, MacroLocation sel) {
        lib.AddMacro(name, sel);
        MacroKey& key = *lib.NodeAt(sel)->macro;
        for (std::uint32_t i = 0; i < 20; ++i)
            (void)key.InsertAction(i, MacroAction::MakeKey(std::uint8_t(0x41 + i), i % 2));
    };
    for (int f = 0; f < 16; ++f) {
        MacroLocation folder;
        lib.AddFolder(L"Folder " + std::to_wstring(f), folder);
        for (int m = 0; m < 60; ++m)
            addMacro(L"Macro " + std::to_wstring(m), folder);
    }
    for (int m = 0; m < 40; ++m)
        addMacro(L"Top " + std::to_wstring(m), MacroLocation{});
}

} // namespace ferrox::test
