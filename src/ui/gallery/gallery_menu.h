#pragma once
// A menu drawn the way the program's menus are: a skin per row, white text on the highlighted
// row, grey on the others, submenu rows with their own skins.

#include "ui/wnd_popup.h"

namespace ferrox::gallery {

class GalleryMenu : public CWndPopup {
public:
    // The function menu, or the DPI submenu that opens beside its "DPI switch" row.
    enum class Rows { Functions, DpiSubmenu };
    static constexpr int DpiSwitchRow = 3;

    explicit GalleryMenu(Rows rows = Rows::Functions);

protected:
    void BuildItems() override;
    void DrawItems(Canvas& canvas, const QRect& clientRect) override;

private:
    Rows rows_;
    QImage normal_, over_, subNormal_, subOver_;
};

} // namespace ferrox::gallery
