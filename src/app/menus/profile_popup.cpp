// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/menus/profile_popup.h"

#include "base/app_globals.h"
#include "lang/language_table.h"
#include "platform/canvas.h"
#include "ui/skin_images.h"

namespace ferrox {

namespace {

constexpr int kHeaderId = 1;
constexpr int kAddId = 7;
constexpr Colour kTextNormal = Rgb(180, 180, 180);
constexpr Colour kTextHighlighted = Rgb(255, 255, 255);
constexpr Colour kRowFill = Rgb(31, 31, 31);
constexpr Colour kRowHighlight = Rgb(55, 55, 55);
constexpr Colour kSelectedFill = Rgb(120, 0, 0);
constexpr Colour kAddFill = Rgb(73, 0, 0);
constexpr unsigned kLeftRow = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_WORD_ELLIPSIS;
constexpr unsigned kCentredRow = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_WORD_ELLIPSIS;

} // namespace

CComboProfilePopup::CComboProfilePopup(ProfileListRows rows, std::string_view header)
    : CWndPopup(PopupKind::ProfileList), rows_(std::move(rows)), header_(LoadSkinFile(header)) {}

void CComboProfilePopup::BuildItems() {
    AddItem(LanguageText(10), kHeaderId);
    for (std::size_t p = 0; p < rows_.names.size(); ++p)
        AddItem(rows_.names[p], int(p) + 2);
    AddItem(LanguageText(200), kAddId);
}

bool CComboProfilePopup::choosable(const MenuItem& item) const {
    return item.id != kHeaderId && (item.id == kAddId || !item.text.empty());
}

bool CComboProfilePopup::OnItemPress(int x, int y) {
    if (hoverIndex < 0 || hoverIndex >= int(items.size()) ||
        items[std::size_t(hoverIndex)].rect.contains(x, y))
        return false;
    hoverIndex = -1;
    return true;
}

void CComboProfilePopup::OnChoose(const MenuItem& item) {
    if (choosable(item))
        SendToParent(ResultMessage(), Chosen, item.id);
}

void CComboProfilePopup::OnItemRightRelease(int x, int y) {
    for (const MenuItem& item : items)
        if (item.rect.contains(x, y) && item.id != kAddId && choosable(item))
            SendToParent(ResultMessage(), RightClicked, item.id);
}

void CComboProfilePopup::DrawItems(Canvas& canvas, const QRect&) {
    for (int i = 0; i < int(items.size()); ++i)
        drawItem(canvas, items[std::size_t(i)], i);
}

void CComboProfilePopup::drawItem(Canvas& canvas, const MenuItem& item, int position) const {
    const bool highlighted = position == hoverIndex;
    const QString text = QString::fromStdWString(item.text);
    const QRect inner = item.rect.adjusted(2, 0, -2, 0);
    const QRect leftText = item.rect.adjusted(int(10 * UiScale), 0, -2, 0);
    if (item.id == kHeaderId) {
        canvas.DrawImage(header_, QRect(0, 0, 230, 25), item.rect);
        canvas.DrawText(text, leftText, kLeftRow, kTextNormal, Font());
    } else if (item.id == kAddId) {
        canvas.FillRect(item.rect, kAddFill);
        canvas.DrawText(text, leftText, kLeftRow, highlighted ? kTextHighlighted : kTextNormal,
                        Font());
    } else if (item.text.empty()) {
        canvas.FillRect(item.rect, kRowFill);
    } else if (position == rows_.selected) {
        canvas.FillRect(item.rect, kSelectedFill);
        canvas.DrawText(text, inner, kCentredRow, kTextNormal, Font());
    } else {
        canvas.FillRect(item.rect, highlighted ? kRowHighlight : kRowFill);
        canvas.DrawText(text, inner, kCentredRow, highlighted ? kTextHighlighted : kTextNormal,
                        Font());
    }
}

} // namespace ferrox
