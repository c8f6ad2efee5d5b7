// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/button_base.h"

#include "platform/virtual_keys.h"

#include <algorithm>
#include <string>

namespace ferrox {

ButtonBase::ButtonBase(WindowBase* owner, int id, int left, int top, int right, int bottom,
                         std::wstring text, int shown, int visible, int locked, unsigned textFormat)
    : CControlBase(owner, id, left, top, right, bottom, std::move(text), shown, visible, locked),
      textFormat_(textFormat) {}

bool ButtonBase::LoadImage(ImageSlot slot, std::string_view relativePath) {
    return LoadImageFile(images_[slot], relativePath);
}

bool ButtonBase::LoadImages(std::string_view stem) {
    const std::string base(stem);
    const bool normal = LoadImage(SlotNormal, base + "_nr.png");
    LoadImage(SlotOver, base + "_ov.png");
    LoadImage(SlotDown, base + "_dn.png");
    return normal;
}

bool ButtonBase::LoadStrip(int resourceId) {
    return LoadStripResource(strip_, resourceId);
}

bool ButtonBase::LoadStripImage(std::string_view relativePath, int frames) {
    return LoadStripFile(strip_, relativePath, frames);
}

void ButtonBase::ReleaseImages() {
    strip_ = QImage();
    for (auto& image : images_)
        image = QImage();
}

void ButtonBase::SetTextColours(Colour normal, Colour over, Colour down) {
    colours_ = {normal, over, down};
}

void ButtonBase::SetInsets(int left, int right) {
    leftInset_ = left;
    rightInset_ = right;
}

bool ButtonBase::OnMouseMove(int x, int y) {
    return !locked_ && TrackPointer(x, y);
}

bool ButtonBase::OnLButtonDown(int x, int y) {
    if (locked_ || !PressPointer(x, y))
        return false;
    Notify(NotifyPressed);
    return true;
}

bool ButtonBase::OnLButtonUp(int x, int y) {
    if (locked_)
        return false;
    const int before = mouseState_;
    if (!ReleasePointer(x, y))
        return before != mouseState_;
    OnClick(x, y);
    Notify(NotifyClicked, ClickWParam());
    return true;
}

bool ButtonBase::OnKeyDown(int key) {
    if (key != vk::Space && key != vk::Return)
        return false;
    const QPoint middle = GetBounds().center();
    // Through the pointer's own path, so every kind of button does what a click does.
    OnLButtonDown(middle.x(), middle.y());
    OnLButtonUp(middle.x(), middle.y());
    return true;
}

bool ButtonBase::TrackPointer(int x, int y) {
    return TrackHover(mouseState_, x, y);
}

bool ButtonBase::PressPointer(int x, int y) {
    if (!Contains(x, y))
        return false;
    mouseState_ = MouseDown;
    return true;
}

bool ButtonBase::ReleasePointer(int x, int y) {
    const bool inside = Contains(x, y);
    mouseState_ = inside ? MouseOver : MouseNormal;
    return inside;
}

void ButtonBase::DrawLook(Canvas& canvas, int look) const {
    if (HasStrip())
        DrawStripFrame(canvas, strip_, look, GetBounds());
    else if (look >= 0 && look < static_cast<int>(images_.size()))
        canvas.DrawImage(images_[look], GetBounds());
}

void ButtonBase::DrawText(Canvas& canvas, const std::wstring& text, Colour colour) const {
    DrawCaption(canvas, text, GetBounds().adjusted(leftInset_, 0, -rightInset_, 0), colour,
                textFormat_);
}

Colour ButtonBase::LookColour(int look) const {
    return colours_[std::clamp(look, 0, 2)];
}

} // namespace ferrox
