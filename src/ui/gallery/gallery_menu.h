#pragma once
// The menus of the reference sheet: a function menu with two submenu rows, and the DPI
// submenu that opens beside its "DPI switch" row.

#include "ui/menu_popup.h"

namespace ferrox::gallery {

class GalleryMenu : public CMenuPopup {
public:
    enum class Rows { Functions, DpiSubmenu };
    static constexpr int DpiSwitchRow = 3;

    explicit GalleryMenu(Rows rows = Rows::Functions);
};

} // namespace ferrox::gallery
