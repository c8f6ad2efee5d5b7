// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/show_list_base.h"

#include "platform/virtual_keys.h"

#include "base/app_globals.h"

#include <algorithm>
#include <utility>

namespace ferrox {

namespace {

double RowHeight() {
    return ShowListBase::RowDesignHeight * static_cast<double>(UiScale);
}

} // namespace

void ShowListBase::SetRows(std::unique_ptr<ShowListRows> rows) {
    rows_ = std::move(rows);
    selectedRow_ = -1;
    firstRow_ = 0;
}

int ShowListBase::RowsInView() const {
    return std::min(VisibleRows(), TotalRows() - firstRow_);
}

int ShowListBase::VisibleRows() const {
    return static_cast<int>((bottom_ - top_ + 10 * static_cast<double>(UiScale)) / RowHeight());
}

QRect ShowListBase::RowRect(int i) const {
    const int inset = static_cast<int>(2 * UiScale);
    const int rowTop = top_ + static_cast<int>(i * RowHeight());
    const int rowBottom = top_ + static_cast<int>((i + 1) * RowHeight());
    return QRect(left_ + inset, rowTop, right_ - inset - (left_ + inset), rowBottom - rowTop);
}

int ShowListBase::RowAt(int y) const {
    return static_cast<int>((y - top_) / RowHeight());
}

void ShowListBase::EnsureVisible() {
    const int visible = VisibleRows();
    const int total = TotalRows();
    if (selectedRow_ < 0) {
        if (visible >= total)
            firstRow_ = 0;
    } else if (selectedRow_ >= firstRow_ + visible - 1) {
        firstRow_ = selectedRow_ - visible + 1;
    }
    if (firstRow_ + visible > total)
        firstRow_ = total - visible;
    if (firstRow_ < 0)
        firstRow_ = 0;
}

bool ShowListBase::OnKeyDown(int key) {
    if (key == vk::Space || key == vk::Return) {
        if (selectedRow_ < firstRow_ || selectedRow_ >= firstRow_ + RowsInView())
            return true;
        const QPoint middle = RowRect(selectedRow_ - firstRow_).center();
        OnLButtonDblClk(middle.x(), middle.y());
        return true;
    }
    if (key == vk::Left || key == vk::Right)
        return false;
    const int page = std::max(1, VisibleRows() - 1);
    int target = -1;
    switch (key) {
    case vk::Up: target = selectedRow_ < 0 ? 0 : selectedRow_ - 1; break;
    case vk::Down: target = selectedRow_ + 1; break;
    case vk::Prior: target = selectedRow_ - page; break;
    case vk::Next: target = std::max(0, selectedRow_) + page; break;
    case vk::Home: target = 0; break;
    case vk::End: target = TotalRows() - 1; break;
    default: return false;
    }
    target = std::clamp(target, 0, TotalRows() - 1);
    if (locked_ || TotalRows() == 0 || target == selectedRow_)
        return true;
    SetSelectedRow(target);
    if (selectedRow_ < firstRow_)
        SetFirstVisibleRow(selectedRow_);
    EnsureVisible();
    Notify(NotifyClicked);
    Repaint();
    return true;
}

bool ShowListBase::OnMouseMove(int x, int y) {
    return !locked_ && TrackHover(mouseState_, x, y);
}

bool ShowListBase::ReleaseInside(int x, int y) {
    if (locked_)
        return false;
    const int before = mouseState_;
    if (!Contains(x, y)) {
        mouseState_ = MouseNormal;
        return before != mouseState_;
    }
    mouseState_ = MouseOver;
    Notify(NotifyClicked);
    return true;
}

void ShowListBase::DrawBackground(Canvas& canvas) const {
    canvas.FillRect(GetBounds(), BackgroundColour);
}

void ShowListBase::DrawRowText(Canvas& canvas, const std::wstring& text, const QRect& rect) const {
    DrawCaption(canvas, text, rect, TextColour, 0);
}

} // namespace ferrox
