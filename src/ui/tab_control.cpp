// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tab_control.h"

namespace ferrox {

bool CTabControl::LoadTabImages(std::string_view normal, std::string_view over,
                                std::string_view selected, std::string_view selectedOver) {
    const bool ok = LoadImage(SlotNormal, normal);
    LoadImage(SlotOver, over);
    LoadImage(SlotDown, selected);
    LoadImageFile(selectedOver_, selectedOver);
    return ok;
}

void CTabControl::SetPage(int* page, int index) {
    page_ = page;
    index_ = index;
}

bool CTabControl::IsSelected() const {
    return page_ && *page_ == index_;
}

bool CTabControl::OnLButtonDown(int x, int y) {
    // Tabs change look on press but report only the click.
    return !locked_ && PressPointer(x, y);
}

void CTabControl::OnClick(int, int) {
    if (page_)
        *page_ = index_;
}

bool CTabControl::OnRButtonUp(int x, int y) {
    if (locked_ || !Contains(x, y))
        return false;
    Notify(NotifyRightClicked, static_cast<WParam>(id_));
    return false;
}

void CTabControl::ReleaseImages() {
    ButtonBase::ReleaseImages();
    selectedOver_ = QImage();
}

void CTabControl::Draw(Canvas& canvas) {
    const bool hovered = mouseState_ != MouseNormal;
    int look = hovered ? LookOver : LookNormal;
    if (IsSelected())
        look = hovered ? LookSelectedOver : LookSelected;
    if (look == LookSelectedOver && !HasStrip())
        canvas.DrawImage(selectedOver_, GetBounds());
    else
        DrawLook(canvas, look);
    DrawText(canvas, text_, NormalTextColour);
}

} // namespace ferrox
