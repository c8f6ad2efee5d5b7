// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the function menu and its submenus open, in screen pixels: beside the key button that
// opened them, and always whole on the screen that button is on (its available area, without
// panels and docks). A menu that would run off the bottom is lifted; a submenu that would run
// off the right opens on the menu's left instead.

#include <QRect>

namespace ferrox {

struct SubmenuInfo;

struct MenuPlace {
    QRect rect;
    bool lifted = false; // moved up from its place beside the button to fit the screen
};

// button: the key button's rectangle on the screen; size: the menu's laid-out size;
// available: the screen's available area, empty where the desktop keeps popups on the screen
// itself; scale: UiScale.
MenuPlace PlaceFunctionMenu(const QRect& button, const QSize& size, const QRect& available,
                            double scale);

// menu: where the function menu was placed.
QRect PlaceSubmenu(const SubmenuInfo& submenu, const QRect& button, const MenuPlace& menu,
                   const QSize& size, const QRect& available, double scale);

} // namespace ferrox
