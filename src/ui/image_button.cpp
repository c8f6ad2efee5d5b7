// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/image_button.h"

namespace ferrox {

bool CImageButton::OnMouseMove(int x, int y) {
    const int before = mouseState_;
    const bool changed = ButtonBase::OnMouseMove(x, y);
    if (changed && hoverTip_ && before == MouseNormal && mouseState_ == MouseOver)
        Notify(NotifyHoverTip);
    return changed;
}

void CImageButton::Draw(Canvas& canvas) {
    // Separate images have no pressed look of their own: pressed shows the over image.
    const int look =
        HasStrip() ? mouseState_ : (mouseState_ == MouseNormal ? SlotNormal : SlotOver);
    DrawLook(canvas, look);
    DrawText(canvas, text_, LookColour(mouseState_));
}

CLinkButton::CLinkButton(WindowBase* owner, int left, int top, int right, int bottom,
                         std::wstring text, int shown, int visible, int locked, unsigned textFormat)
    : ButtonBase(owner, LinkId, left, top, right, bottom, std::move(text), shown, visible, locked,
                  textFormat) {}

bool CLinkButton::OnMouseMove(int x, int y) {
    const bool changed = ButtonBase::OnMouseMove(x, y);
    if (locked_)
        return changed;
    const bool inside = Contains(x, y);
    if (inside != inside_) {
        inside_ = inside;
        Notify(inside ? NotifyHoverEnter : NotifyHoverLeave);
    }
    return changed;
}

void CLinkButton::Draw(Canvas& canvas) {
    if (HasStrip())
        DrawLook(canvas, mouseState_);
    DrawText(canvas, text_, LookColour(mouseState_));
}

} // namespace ferrox
