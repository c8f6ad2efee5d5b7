// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The key function menu and its five submenus. The menu offers the fixed functions, opens a
// submenu while the pointer rests on one of its rows and asks its window for the dialogs that
// produce the other functions; every submenu reports its row's text and code.

#include "ui/menu_popup.h"

namespace ferrox {

namespace FunctionMenuMessage {
inline constexpr unsigned Result = 0x403;      // wParam key button, lParam PopupResult
inline constexpr unsigned Dismissed = 0x405;   // wParam key button
inline constexpr unsigned Highlighted = 0x409; // a row without submenu; lParam its id
inline constexpr unsigned FireKeyChosen = 0x426;
inline constexpr unsigned MacroChosen = 0x429;
inline constexpr unsigned ShortcutChosen = 0x40B;
} // namespace FunctionMenuMessage

// Entry ids of the menu rows that open a dialog.
namespace FunctionMenuEntry {
inline constexpr int FireKey = 7;
inline constexpr int Macro = 9;
inline constexpr int Shortcut = 10;
} // namespace FunctionMenuEntry

// A submenu: the menu row that opens it, its kind, its messages and where it goes (design
// units below the key button, or below the top of a menu that had to be lifted).
struct SubmenuInfo {
    int entry;
    PopupKind kind;
    unsigned openMessage;   // menu → window: the row was highlighted
    unsigned resultMessage; // submenu → window: a row was chosen
    int offsetBelowButton;
    int offsetInLiftedMenu;
};

inline constexpr SubmenuInfo kSubmenus[] = {
    {6, PopupKind::DpiMenu, 0x410, 0x411, 102, 118},
    {11, PopupKind::MultimediaMenu, 0x413, 0x414, 213, 89},
    {12, PopupKind::OfficeMenu, 0x488, 0x489, 235, 110},
    {13, PopupKind::WindowsMenu, 0x485, 0x486, 257, 176},
    {15, PopupKind::DpiLockMenu, 0x482, 0x483, 296, 118},
};

const SubmenuInfo* SubmenuOfEntry(int entry);
const SubmenuInfo* SubmenuOfKind(PopupKind kind);

// The sixteen functions; rows 6, 11, 12, 13 and 15 open submenus.
class CComboPopup : public MenuPopup {
public:
    CComboPopup();

protected:
    // Each new highlight tells the window which row it is on, so it can open or close the
    // submenus.
    bool OnItemHover(int x, int y) override;
    void OnChoose(const MenuItem& item) override;
};

// One submenu of the function menu, by kind.
class FunctionSubmenu : public MenuPopup {
public:
    explicit FunctionSubmenu(PopupKind kind);

protected:
    void OnChoose(const MenuItem& item) override;
};

} // namespace ferrox
