#include "ui/gallery/gallery_menu.h"

#include "platform/canvas.h"
#include "ui/skin_images.h"

namespace ferrox::gallery {

GalleryMenu::GalleryMenu(Rows rows)
    : CWndPopup(rows == Rows::Functions ? 0 : 2), rows_(rows),
      normal_(LoadSkinFile("skins/menu_nr.png")), over_(LoadSkinFile("skins/menu_ov.png")),
      subNormal_(LoadSkinFile("skins/menusub_nr.png")),
      subOver_(LoadSkinFile("skins/menusub_ov.png")) {}

void GalleryMenu::BuildItems() {
    if (rows_ == Rows::DpiSubmenu) {
        AddItem(L"DPI up", 1);
        AddItem(L"DPI down", 2);
        AddItem(L"DPI cycle", 3);
        return;
    }
    AddItem(L"Left click", 1);
    AddItem(L"Right click", 2);
    AddItem(L"Middle click", 3);
    AddItem(L"DPI switch", 4, 1);
    AddItem(L"Multimedia", 5, 1);
    AddItem(L"A very long function name that cannot fit", 6);
    AddItem(L"Disable", 7);
}

void GalleryMenu::DrawItems(Canvas& canvas, const QRect&) {
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        const MenuItem& item = items[i];
        const bool hot = i == hoverIndex;
        const QImage& skin = item.flag ? (hot ? subOver_ : subNormal_) : (hot ? over_ : normal_);
        canvas.DrawImage(skin, item.rect);
        canvas.DrawText(QString::fromStdWString(item.text), item.rect.adjusted(2, 0, -2, 0),
                        DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_WORD_ELLIPSIS,
                        hot ? 0xFFFFFF : 0xB4B4B4, Font());
    }
}

} // namespace ferrox::gallery
