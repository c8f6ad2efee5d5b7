// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/combo_button.h"

#include "ui/look_colours.h"
#include "ui/ui_scale.h"

#include <QPainter>

namespace ferrox {

CComboButton::CComboButton(WindowBase* owner, int id, int left, int top, int right, int bottom,
                           unsigned message, std::wstring value, int shown, int visible, int locked,
                           unsigned textFormat)
    : ButtonBase(owner, id, left, top, right, bottom, std::move(value), shown, visible, locked,
                  textFormat),
      message_(message) {
    // Room for the arrow drawn at the right of the skins.
    SetInsets(Scaled(8), Scaled(22));
}

void CComboButton::SetPopupOpen(bool open) {
    if (open == popupOpen_)
        return;
    popupOpen_ = open;
    Repaint();
}

void CComboButton::SetDisabledLook(bool disabled) {
    if (disabled == disabledLook_)
        return;
    disabledLook_ = disabled;
    Repaint();
}

void CComboButton::SetDisable(bool disable) {
    if (disable == disable_)
        return;
    disable_ = disable;
    Repaint();
}

bool CComboButton::OnMouseMove(int x, int y) {
    if (locked_)
        return false;
    const bool changed = TrackPointer(x, y);
    const WParam wParam = static_cast<WParam>(id_);
    if (Contains(x, y)) {
        if (enterCount_ < EnterNoticeCount) {
            ++enterCount_;
            SendToOwner(message_, wParam, NotifyHoverEnter);
        }
    } else if (!popupOpen_ && enterCount_ > 0) {
        enterCount_ = 0;
        SendToOwner(message_, wParam, NotifyHoverLeave);
    }
    return changed;
}

bool CComboButton::OnLButtonDown(int x, int y) {
    if (locked_ || !PressPointer(x, y))
        return false;
    if (!disabledLook_)
        Notify(NotifyPressed);
    return true;
}

bool CComboButton::OnLButtonUp(int x, int y) {
    if (locked_)
        return false;
    const int before = mouseState_;
    if (!ReleasePointer(x, y))
        return before != mouseState_;
    if (!disabledLook_)
        SendToOwner(message_, static_cast<WParam>(id_), NotifyClicked);
    return true;
}

int CComboButton::currentLook() const {
    const bool hovered = mouseState_ != MouseNormal;
    if (disabledLook_)
        return hovered ? LookDisabledOver : LookDisabled;
    if (popupOpen_)
        return LookOver;
    return mouseState_;
}

void CComboButton::Draw(Canvas& canvas) {
    const int look = currentLook();
    // A five-look strip has its own disabled looks; two plain skins have none, so a combo
    // that opens nothing is drawn faded, and cannot pass for a working one.
    QPainter& painter = canvas.painter();
    const qreal opacity = painter.opacity();
    if (disabledLook_ && !HasStrip())
        painter.setOpacity(opacity * DisabledOpacity);
    if (HasStrip())
        DrawLook(canvas, look);
    else
        DrawLook(canvas, look == LookNormal || look == LookDisabled ? SlotNormal : SlotOver);
    const Colour colour = disabledLook_ ? look::DisabledText : LookColour(std::min(look, 2));
    DrawText(canvas, disable_ ? std::wstring(L"Disable") : text_, colour);
    painter.setOpacity(opacity);
}

} // namespace ferrox
