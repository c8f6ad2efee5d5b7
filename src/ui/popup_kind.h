// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The kinds of popup the dialogs open, and what tells them apart: the message a popup sends
// its parent when it is dismissed, how its rows are laid out and drawn, and whether a press
// off the highlighted row drops the highlight.

namespace ferrox {

enum class PopupKind {
    FunctionMenu = 0,
    DpiMenu = 2,
    MultimediaMenu = 3,
    ProfileList = 7,
    ReportRateList = 8,
    LightingList = 9,
    DpiLockMenu = 10,
    WindowsMenu = 11,
    OfficeMenu = 12,
    ProfileContextMenu = 13,
    ActionInsertMenu = 14,
    MacroListMenu = 15,
};

// Row geometry in design units: rows from x = left to right, rowHeight high, starting one unit
// down; the window width wide and one unit below the last row.
struct MenuLayout {
    double left;
    double right;
    double rowHeight;
    double width;
};

enum class MenuLook {
    Skins,  // the menu row skins, the submenu variants on rows that open one
    Filled, // no images: the highlighted row filled with a colour
};

struct PopupKindInfo {
    PopupKind kind;
    unsigned deactivationMessage;
    MenuLayout layout;
    MenuLook look;
    bool pressClearsHighlight; // a press off the highlighted row drops the highlight
};

const PopupKindInfo& KindInfo(PopupKind kind);
// The message the popup sends its parent when it is dismissed.
unsigned DeactivationMessage(PopupKind kind);

} // namespace ferrox
