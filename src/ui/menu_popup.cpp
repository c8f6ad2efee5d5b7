// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menu_popup.h"

#include "platform/canvas.h"
#include "ui/skin_images.h"

namespace ferrox {

namespace {

constexpr Colour TextNormal = Rgb(180, 180, 180);
constexpr Colour TextHighlighted = Rgb(255, 255, 255);
constexpr Colour FilledHighlight = Rgb(83, 75, 0);
constexpr unsigned RowFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_WORD_ELLIPSIS;
// The row skins are this wide; the submenu skin's arrow takes its last units.
constexpr int SkinWidth = 160;
constexpr int SubmenuArrowWidth = 16;

} // namespace

MenuPopup::MenuPopup(PopupKind kind, std::vector<MenuRow> rows)
    : CWndPopup(kind), rows_(std::move(rows)) {
    if (KindInfo(kind).look == MenuLook::Skins) {
        normal_ = LoadSkinFile("skins/menu_nr.png");
        over_ = LoadSkinFile("skins/menu_ov.png");
        subNormal_ = LoadSkinFile("skins/menusub_nr.png");
        subOver_ = LoadSkinFile("skins/menusub_ov.png");
    }
}

void MenuPopup::BuildItems() {
    for (const MenuRow& row : rows_)
        AddItem(row.text, row.id, row.submenu ? 1 : 0, row.code);
}

bool MenuPopup::OnItemPress(int x, int y) {
    if (!KindInfo(Kind()).pressClearsHighlight || hoverIndex < 0 ||
        hoverIndex >= static_cast<int>(items.size()) || items[hoverIndex].rect.contains(x, y))
        return false;
    hoverIndex = -1;
    return true;
}

void MenuPopup::DrawItems(Canvas& canvas, const QRect&) {
    const bool skinned = KindInfo(Kind()).look == MenuLook::Skins;
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        if (skinned)
            drawSkinned(canvas, items[i], i == hoverIndex);
        else
            drawFilled(canvas, items[i], i == hoverIndex);
    }
}

void MenuPopup::drawSkinned(Canvas& canvas, const MenuItem& item, bool highlighted) const {
    const QImage& skin =
        item.flag ? (highlighted ? subOver_ : subNormal_) : (highlighted ? over_ : normal_);
    canvas.DrawImage(skin, item.rect);
    // The submenu skin draws its arrow at the right end; the text keeps clear of it on both
    // sides so that it stays centred like the other rows'.
    const int arrow = item.flag ? item.rect.width() * SubmenuArrowWidth / SkinWidth : 0;
    canvas.DrawText(QString::fromStdWString(item.text),
                    item.rect.adjusted(2 + arrow, 0, -2 - arrow, 0), RowFormat,
                    highlighted ? TextHighlighted : TextNormal, Font());
}

void MenuPopup::drawFilled(Canvas& canvas, const MenuItem& item, bool highlighted) const {
    if (highlighted)
        canvas.FillRect(item.rect, FilledHighlight);
    canvas.DrawText(QString::fromStdWString(item.text), item.rect.adjusted(2, 0, -2, 0), RowFormat,
                    highlighted ? TextHighlighted : TextNormal, Font());
}

} // namespace ferrox
