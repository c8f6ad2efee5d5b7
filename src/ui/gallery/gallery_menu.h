// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The menus of the reference sheet: a function menu with two submenu rows, and the DPI
// submenu that opens beside its "DPI switch" row.

#include "ui/menu_popup.h"

namespace ferrox::gallery {

class GalleryMenu : public MenuPopup {
public:
    enum class Rows { Functions, DpiSubmenu };
    static constexpr int DpiSwitchRow = 3;

    explicit GalleryMenu(Rows rows = Rows::Functions);
};

} // namespace ferrox::gallery
