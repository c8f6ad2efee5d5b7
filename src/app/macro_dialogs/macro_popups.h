// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The macro manager's two menus: the insert-action list below its combo button, and the
// context menu of the library tree, whose entries depend on what is selected. The chosen
// entry's code byte 0 is its position in the full list (insert kind 0..8, operation 0..7).

#include "ui/menu_popup.h"

namespace ferrox {

namespace MacroMenuMessage {
inline constexpr unsigned InsertOpen = 0x48E;   // 1166 the combo button
inline constexpr unsigned InsertResult = 0x48F; // 1167
inline constexpr unsigned InsertClosed = 0x490; // 1168
inline constexpr unsigned ListResult = 0x491;   // 1169
inline constexpr unsigned ListClosed = 0x492;   // 1170
} // namespace MacroMenuMessage

class CComboActionInsertPopup : public MenuPopup {
public:
    CComboActionInsertPopup();
};

enum class MacroListOperation : int {
    NewMacro = 0,
    NewFolder = 1,
    ExportMacro = 2,
    ImportMacro = 3,
    Rename = 4,
    Delete = 5,
    ImportSet = 6,
    ExportSet = 7,
};

class CMacroListPopup : public MenuPopup {
public:
    // What is selected decides the entries.
    enum Mode { NothingSelected = 0, MacroSelected = 1, FolderSelected = 2 };
    explicit CMacroListPopup(int mode);
};

} // namespace ferrox
