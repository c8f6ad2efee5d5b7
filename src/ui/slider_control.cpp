// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/slider_control.h"

#include "platform/virtual_keys.h"
#include "ui/focus_keys.h"

#include "platform/virtual_keys.h"
#include "ui/focus_keys.h"

#include "base/app_globals.h"

#include <algorithm>

namespace ferrox {

CSliderControl::CSliderControl(WindowBase* owner, int id, int left, int top, int right, int bottom,
                               int positionCount, int leftMargin, int rightMargin, int shown,
                               int visible, int locked)
    : CControlBase(owner, id, left, top, right, bottom, {}, shown, visible, locked),
      leftMargin_(leftMargin), rightMargin_(rightMargin),
      positions_(static_cast<std::size_t>(std::max(1, positionCount))) {
    buildPositions();
}

void CSliderControl::SetBounds(int left, int top, int right, int bottom) {
    CControlBase::SetBounds(left, top, right, bottom);
    buildPositions();
}

void CSliderControl::buildPositions() {
    const int n = PositionCount();
    const int span = (right_ - left_) - leftMargin_ - rightMargin_;
    for (int i = 1; i < n - 1; ++i)
        positions_[i] = left_ + leftMargin_ + i * span / (n - 1);
    positions_[0] = left_ + leftMargin_;
    positions_[n - 1] = right_ - rightMargin_;
}

bool CSliderControl::LoadKnob(std::string_view relativePath) {
    return LoadImageFile(knob_, relativePath);
}

void CSliderControl::SetIndex(int index) {
    const int clamped = std::clamp(index, 0, PositionCount() - 1);
    if (clamped == index_)
        return;
    index_ = clamped;
    Repaint();
}

int CSliderControl::NearestIndex(int x) const {
    const int n = PositionCount();
    for (int i = 0; i + 1 < n; ++i)
        if (x < (positions_[i] + positions_[i + 1]) / 2)
            return i;
    return n - 1;
}

QRect CSliderControl::knobRect() const {
    const int width = static_cast<int>(knob_.width() * UiScale);
    const int height = static_cast<int>(knob_.height() * UiScale);
    const int x = (dragging_ ? dragX_ : positions_[index_]) - leftMargin_;
    return QRect(std::clamp(x, left_, std::max(left_, right_ - width)), top_, width, height);
}

bool CSliderControl::OnMouseMove(int x, int y) {
    if (locked_)
        return false;
    if (dragging_) {
        dragX_ = std::clamp(x, left_, right_);
        index_ = NearestIndex(dragX_);
        Notify(NotifyValueChanged, static_cast<WParam>(index_));
        return true;
    }
    return TrackHover(mouseState_, x, y);
}

bool CSliderControl::OnLButtonDown(int x, int y) {
    if (locked_ || !Contains(x, y))
        return false;
    mouseState_ = MouseDown;
    if (knobRect().contains(x, y)) {
        dragging_ = true;
        dragX_ = std::clamp(x, left_, right_);
    }
    Notify(NotifyPressed);
    return true;
}

bool CSliderControl::OnLButtonUp(int x, int y) {
    if (locked_)
        return false;
    dragging_ = false;
    if (!Contains(x, y)) {
        mouseState_ = MouseNormal;
        return true;
    }
    mouseState_ = MouseOver;
    index_ = NearestIndex(x);
    Notify(NotifyClicked);
    return true;
}

bool CSliderControl::OnKeyDown(int key) {
    const int target = SteppedIndex(key, index_, PositionCount());
    if (target < 0)
        return false;
    if (locked_ || target == index_)
        return true;
    index_ = target;
    Notify(NotifyValueChanged, static_cast<WParam>(index_));
    Notify(NotifyClicked);
    Repaint();
    return true;
}

void CSliderControl::ReleaseImages() {
    knob_ = QImage();
}

void CSliderControl::Draw(Canvas& canvas) {
    canvas.DrawImage(knob_, knobRect());
}

} // namespace ferrox
