// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/gallery/gallery_menu.h"

namespace ferrox::gallery {

namespace {

std::vector<MenuRow> RowsOf(GalleryMenu::Rows rows) {
    if (rows == GalleryMenu::Rows::DpiSubmenu)
        return {{1, L"DPI up"}, {2, L"DPI down"}, {3, L"DPI cycle"}};
    return {{1, L"Left click"},
            {2, L"Right click"},
            {3, L"Middle click"},
            {4, L"DPI switch", {}, true},
            {5, L"Multimedia", {}, true},
            {6, L"A very long function name that cannot fit"},
            {7, L"Disable"}};
}

} // namespace

GalleryMenu::GalleryMenu(Rows rows)
    : MenuPopup(rows == Rows::Functions ? PopupKind::FunctionMenu : PopupKind::DpiMenu,
                 RowsOf(rows)) {}

} // namespace ferrox::gallery
