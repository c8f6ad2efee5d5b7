// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/check_button.h"

namespace ferrox {

CCheckButton::CCheckButton(WindowBase* owner, int id, int left, int top, int right, int bottom,
                           std::wstring caption, int shown, int visible, int locked,
                           unsigned textFormat)
    : ButtonBase(owner, id, left, top, right, bottom, std::move(caption), shown, visible, locked,
                  textFormat) {}

void CCheckButton::SetTexts(const std::wstring& normalText, const std::wstring& checkedText) {
    normalText_ = normalText;
    checkedText_ = checkedText;
    FollowCaption();
}

void CCheckButton::SetChecked(bool checked) {
    if (checked == checked_)
        return;
    checked_ = checked;
    FollowCaption();
    Repaint();
}

void CCheckButton::OnClick(int, int) {
    checked_ = !checked_;
    FollowCaption();
}

void CCheckButton::FollowCaption() {
    const std::wstring& caption = currentLook() == SlotDown ? checkedText_ : normalText_;
    if (!caption.empty())
        text_ = caption;
}

int CCheckButton::currentLook() const {
    if (mouseState_ == MouseDown || checked_)
        return SlotDown;
    return mouseState_;
}

void CCheckButton::DrawButton(Canvas& canvas) {
    // A press shows the checked caption before the click has toggled anything.
    FollowCaption();
    const int look = currentLook();
    DrawLook(canvas, look);
    DrawText(canvas, text_, LookColour(look));
}

void CCheckButton::Draw(Canvas& canvas) {
    DrawButton(canvas);
}

void CColorSelectCheckButton::SetColour(Colour colour) {
    if (colour == colour_)
        return;
    colour_ = colour;
    Repaint();
}

void CColorSelectCheckButton::SetSwatchInsets(int left, int top, int right, int bottom) {
    swatchInsets_ = QMargins(left, top, right, bottom);
}

bool CColorSelectCheckButton::OnLButtonDblClk(int x, int y) {
    if (locked_ || !Contains(x, y))
        return false;
    SetMouseState(MouseOver);
    Notify(NotifyDoubleClicked);
    return true;
}

void CColorSelectCheckButton::Draw(Canvas& canvas) {
    DrawButton(canvas);
    canvas.FillRect(GetBounds().marginsRemoved(swatchInsets_), colour_);
}

} // namespace ferrox
