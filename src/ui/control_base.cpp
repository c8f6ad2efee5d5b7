// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/control_base.h"

#include "platform/window_base.h"
#include "ui/skin_images.h"
#include "ui/ui_font.h"

#include <algorithm>

namespace ferrox {

CControlBase::CControlBase(WindowBase* owner, int id, int left, int top, int right, int bottom,
                           std::wstring text, int shown, int visible, int locked, int tracksMouse)
    : id_(id), left_(left), top_(top), right_(right), bottom_(bottom), shown_(shown),
      visible_(visible), locked_(locked), tracksMouse_(tracksMouse), text_(std::move(text)),
      owner_(owner), font_(ControlFont()) {}

CControlBase::~CControlBase() = default;

void CControlBase::Draw(Canvas&) {}

void CControlBase::SetBounds(int left, int top, int right, int bottom) {
    left_ = left;
    top_ = top;
    right_ = right;
    bottom_ = bottom;
}

QRect CControlBase::GetBounds() const {
    return QRect(left_, top_, right_ - left_, bottom_ - top_);
}

void CControlBase::SetText(const std::wstring& text) {
    if (text == text_)
        return;
    text_ = text;
    Repaint();
}

bool CControlBase::OnMouseMove(int, int) {
    return false;
}
bool CControlBase::OnLButtonDown(int, int) {
    return false;
}
bool CControlBase::OnLButtonUp(int, int) {
    return false;
}
bool CControlBase::OnRButtonUp(int, int) {
    return false;
}
bool CControlBase::OnLButtonDblClk(int, int) {
    return false;
}

void CControlBase::SetFont(int height, const std::wstring& face) {
    font_ = MakeFont(face, height);
}

void CControlBase::Notify(LParam code, WParam wParam) {
    SendToOwner(id_, wParam, code);
}

void CControlBase::SendToOwner(unsigned message, WParam wParam, LParam lParam) {
    if (owner_)
        owner_->SendMessage(message, wParam, lParam);
}

void CControlBase::Repaint() {
    if (owner_)
        owner_->InvalidateRect(GetBounds());
}

bool CControlBase::TrackHover(int& mouseState, int x, int y) const {
    if (mouseState == MouseDown)
        return false;
    const int state = Contains(x, y) ? MouseOver : MouseNormal;
    const bool changed = state != mouseState;
    mouseState = state;
    return changed;
}

bool CControlBase::LoadImageFile(QImage& slot, std::string_view relativePath) {
    slot = LoadSkinFile(relativePath);
    if (slot.isNull())
        return false;
    frameWidth_ = slot.width();
    frameHeight_ = slot.height();
    return true;
}

bool CControlBase::LoadStripResource(QImage& slot, int resourceId) {
    slot = LoadPngResource(resourceId);
    if (slot.isNull())
        return false;
    frameWidth_ = slot.width() / 3;
    frameHeight_ = slot.height();
    return true;
}

bool CControlBase::LoadStripFile(QImage& slot, std::string_view relativePath, int frames) {
    slot = LoadSkinFile(relativePath);
    if (slot.isNull())
        return false;
    frameWidth_ = slot.width() / std::max(1, frames);
    frameHeight_ = slot.height();
    return true;
}

void CControlBase::DrawStripFrame(Canvas& canvas, const QImage& strip, int frame,
                                  const QRect& dest) const {
    if (frameWidth_ <= 0)
        return;
    canvas.DrawImage(strip, QRect(frame * frameWidth_, 0, frameWidth_, frameHeight_), dest);
}

void CControlBase::DrawCaption(Canvas& canvas, const std::wstring& text, const QRect& rect,
                               Colour colour, unsigned format) const {
    // A caption that asks to wrap gets every line; the others stay on one, cut with an
    // ellipsis.
    const unsigned lines = (format & DT_WORDBREAK) ? 0u : DT_SINGLELINE | DT_WORD_ELLIPSIS;
    canvas.DrawText(QString::fromStdWString(text), rect, lines | DT_VCENTER | format, colour,
                    font_);
}

} // namespace ferrox
