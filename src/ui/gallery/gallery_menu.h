#pragma once
// A menu drawn the way the program's menus are: a skin per row, white text on the highlighted
// row, grey on the others, submenu rows with their own skins.

#include "ui/wnd_popup.h"

namespace ferrox::gallery {

class GalleryMenu : public CWndPopup {
public:
    GalleryMenu();

protected:
    void BuildItems() override;
    void DrawItems(Canvas& canvas, const QRect& clientRect) override;

private:
    QImage normal_, over_, subNormal_, subOver_;
};

} // namespace ferrox::gallery
