// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/level_bar_controls.h"

#include "platform/virtual_keys.h"
#include "ui/focus_keys.h"

#include "platform/virtual_keys.h"
#include "ui/focus_keys.h"

#include "base/app_globals.h"

#include <algorithm>

namespace ferrox {

CDPIValueShowControl::CDPIValueShowControl(WindowBase* owner, int id, int left, int top, int right,
                                           int bottom, int levelCount, int shown, int visible,
                                           int locked)
    : CControlBase(owner, id, left, top, right, bottom, {}, shown, visible, locked),
      levelCount_(std::max(1, levelCount)) {}

bool CDPIValueShowControl::LoadBars(std::string_view emptyBar, std::string_view fullBar) {
    const bool empty = LoadImageFile(emptyBar_, emptyBar);
    return LoadImageFile(fullBar_, fullBar) && empty;
}

void CDPIValueShowControl::SetValue(int value) {
    if (value == value_)
        return;
    value_ = value;
    Repaint();
}

void CDPIValueShowControl::SetLevelCount(int levelCount) {
    if (std::max(1, levelCount) == levelCount_)
        return;
    levelCount_ = std::max(1, levelCount);
    Repaint();
}

int CDPIValueShowControl::FilledHeight() const {
    const int height = bottom_ - top_;
    int filled = std::clamp(height * (value_ + 1) / levelCount_, 0, height);
    // Scaled skins have two-pixel steps; an odd height would cut one in half.
    if (UiScale > 1.0f)
        filled &= ~1;
    return filled;
}

void CDPIValueShowControl::ReleaseImages() {
    emptyBar_ = QImage();
    fullBar_ = QImage();
}

void CDPIValueShowControl::Draw(Canvas& canvas) {
    const QRect bounds = GetBounds();
    canvas.DrawImage(emptyBar_, bounds);
    const int filled = FilledHeight();
    if (filled <= 0 || fullBar_.isNull())
        return;
    const int sourceHeight = std::max(1, fullBar_.height() * filled / bounds.height());
    canvas.DrawImage(fullBar_,
                     QRect(0, fullBar_.height() - sourceHeight, fullBar_.width(), sourceHeight),
                     QRect(bounds.left(), bottom_ - filled, bounds.width(), filled));
}

int CVerticalSliderControl::ValueAt(int y) const {
    const int clamped = std::clamp(y, top_, bottom_);
    const int height = std::max(1, bottom_ - top_);
    return (bottom_ - clamped - (clamped != bottom_ ? 1 : 0)) * levelCount_ / height;
}

bool CVerticalSliderControl::OnMouseMove(int, int y) {
    if (locked_ || !dragging_)
        return false;
    value_ = ValueAt(y);
    Notify(NotifyValueChanged, static_cast<WParam>(value_));
    return true;
}

bool CVerticalSliderControl::OnLButtonDown(int x, int y) {
    if (locked_ || !Contains(x, y))
        return false;
    dragging_ = true;
    value_ = ValueAt(y);
    Notify(NotifyPressed);
    return true;
}

bool CVerticalSliderControl::OnKeyDown(int key) {
    if (key == vk::Space) {
        if (!locked_) {
            Notify(NotifyPressed);
            Notify(NotifyClicked);
        }
        return true;
    }
    const int target = SteppedIndex(key, value_, levelCount_);
    if (target < 0)
        return false;
    if (locked_ || target == value_)
        return true;
    value_ = target;
    Notify(NotifyPressed);
    Notify(NotifyValueChanged, static_cast<WParam>(value_));
    Notify(NotifyClicked);
    Repaint();
    return true;
}

bool CVerticalSliderControl::OnLButtonUp(int x, int y) {
    if (locked_)
        return false;
    dragging_ = false;
    if (Contains(x, y))
        Notify(NotifyClicked);
    return true;
}

} // namespace ferrox
