// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/vscroll_bar.h"

#include "base/app_globals.h"

#include <algorithm>
#include <cmath>

namespace ferrox {

CVScrollBar::CVScrollBar(WindowBase* owner, int id, int left, int top, int right, int bottom,
                         int shown, int visible, int locked)
    : CControlBase(owner, id, left, top, right, bottom, {}, shown, visible, locked) {
    thumbTop_ = TrackTop();
    thumbBottom_ = TrackBottom();
}

void CVScrollBar::LoadArrows(int upResource, int downResource) {
    LoadStripResource(downArrow_, downResource);
    LoadStripResource(upArrow_, upResource);
    SetPosition(scroll_.position, scroll_.page, scroll_.total);
}

int CVScrollBar::arrowHeight() const {
    return static_cast<int>(frameHeight_ * UiScale);
}

QRect CVScrollBar::UpArrowRect() const {
    return QRect(left_, top_, right_ - left_, arrowHeight());
}

QRect CVScrollBar::DownArrowRect() const {
    return QRect(left_, bottom_ - arrowHeight(), right_ - left_, arrowHeight());
}

int CVScrollBar::TrackTop() const {
    return top_ + arrowHeight();
}
int CVScrollBar::TrackBottom() const {
    return bottom_ - arrowHeight();
}

QRect CVScrollBar::ThumbRect() const {
    return QRect(QPoint(left_, thumbTop_), QPoint(right_ - 1, thumbBottom_));
}

void CVScrollBar::SetPosition(int position, int page, int total) {
    if (total == 0)
        return;
    scroll_ = {position, page, total};
    const double length = TrackBottom() - TrackTop() + 1;
    thumbTop_ = TrackTop() + static_cast<int>(std::lround(double(position) / total * length));
    const int thumbLength =
        static_cast<int>(std::min(length, std::round(double(page) / total * length)));
    thumbBottom_ = std::min(TrackBottom(), thumbTop_ + thumbLength - 1);
    Repaint();
}

ScrollPart CVScrollBar::partAt(int y) const {
    if (y < TrackTop())
        return ScrollLineUp;
    if (y >= TrackBottom())
        return ScrollLineDown;
    if (y < thumbTop_)
        return ScrollPageUp;
    if (y > thumbBottom_)
        return ScrollPageDown;
    return ScrollThumb;
}

bool CVScrollBar::OnMouseMove(int x, int y) {
    if (locked_)
        return false;
    if (dragging_) {
        dragTo(y);
        return true;
    }
    const bool inside = Contains(x, y);
    const ScrollPart part = partAt(y);
    const bool up = inside && part == ScrollLineUp;
    const bool down = inside && part == ScrollLineDown;
    const bool thumb = inside && part == ScrollThumb;
    const int state = mouseState_ == MouseDown ? MouseDown : (inside ? MouseOver : MouseNormal);
    const bool changed =
        up != overUp_ || down != overDown_ || thumb != overThumb_ || state != mouseState_;
    overUp_ = up;
    overDown_ = down;
    overThumb_ = thumb;
    mouseState_ = state;
    return changed;
}

void CVScrollBar::dragTo(int y) {
    const int height = thumbBottom_ - thumbTop_;
    const int top =
        std::clamp(y - dragOffset_, TrackTop(), std::max(TrackTop(), TrackBottom() - height));
    thumbTop_ = top;
    thumbBottom_ = top + height;
    const int length = std::max(1, TrackBottom() - TrackTop() + 1);
    const int position = (thumbTop_ - TrackTop()) * scroll_.total / length;
    if (position != scroll_.position) {
        scroll_.position = position;
        Notify(NotifyValueChanged);
    }
}

bool CVScrollBar::OnLButtonDown(int x, int y) {
    if (locked_ || !Contains(x, y))
        return false;
    mouseState_ = MouseDown;
    const ScrollPart part = partAt(y);
    pressedPart_ = part;
    if (part == ScrollThumb) {
        dragging_ = true;
        dragOffset_ = y - thumbTop_;
    }
    Notify(NotifyPressed, part);
    return true;
}

bool CVScrollBar::OnLButtonUp(int x, int y) {
    if (locked_)
        return false;
    const bool inside = Contains(x, y);
    const bool wasDragging = dragging_;
    mouseState_ = inside ? MouseOver : MouseNormal;
    dragging_ = false;
    pressedPart_ = -1;
    if (wasDragging || inside)
        Notify(NotifyClicked);
    SetPosition(scroll_.position, scroll_.page, scroll_.total);
    return true;
}

void CVScrollBar::ReleaseImages() {
    upArrow_ = QImage();
    downArrow_ = QImage();
}

void CVScrollBar::Draw(Canvas& canvas) {
    canvas.FillRect(GetBounds(), BarColour);
    const auto look = [this](bool over, ScrollPart part) {
        return pressedPart_ == static_cast<int>(part) ? MouseDown
                                                      : (over ? MouseOver : MouseNormal);
    };
    DrawStripFrame(canvas, upArrow_, look(overUp_, ScrollLineUp), UpArrowRect());
    DrawStripFrame(canvas, downArrow_, look(overDown_, ScrollLineDown), DownArrowRect());
    if (thumbBottom_ < thumbTop_)
        return;
    const bool hot = overThumb_ || dragging_;
    const QRect thumb = ThumbRect();
    const int inset = static_cast<int>(UiScale);
    canvas.FillRect(thumb, hot ? ThumbHoverColour : ThumbColour);
    canvas.FillRect(thumb.adjusted(inset, inset, -inset, -inset),
                    hot ? ThumbColour : ThumbInnerColour);
}

} // namespace ferrox
