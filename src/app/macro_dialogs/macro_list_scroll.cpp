// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/macro_dialogs/macro_list_scroll.h"

#include "ui/control_notify.h"
#include "ui/dlg_base.h"
#include "ui/show_list_base.h"
#include "ui/ui_scale.h"
#include "ui/vscroll_bar.h"

#include <algorithm>

namespace ferrox {

namespace {

int LastFirstRow(const ShowListBase& list) {
    return std::max(0, list.TotalRows() - list.VisibleRows());
}

int SteppedPosition(const ScrollPosition& s, WParam part) {
    const int last = std::max(0, s.total - s.page);
    switch (part) {
    case ScrollLineUp:
        return std::max(0, s.position - 1);
    case ScrollLineDown:
        return std::min(last, s.position + 1);
    case ScrollPageUp:
        return std::max(0, s.position - s.page + 1);
    case ScrollPageDown:
        return std::min(last, s.position + s.page - 1);
    default:
        return s.position;
    }
}

} // namespace

ListPlacement PlaceListInArea(const DesignRect& area) {
    const int top = Scaled(area.top + 1);
    const int bottom = Scaled(area.bottom - 1);
    const int barLeft = Scaled(area.right - 1 - ListScrollBarWidth);
    return {{Scaled(area.left + 1), top, barLeft, bottom},
            {barLeft, top, Scaled(area.right - 1), bottom}};
}

CVScrollBar* AddScrollBar(CDlgBase& dialog, int id, const ListPlacement& placement) {
    const ListPlacement::Box& b = placement.bar;
    auto* bar = dialog.AddControl(
        0, std::make_unique<CVScrollBar>(&dialog, id, b.left, b.top, b.right, b.bottom));
    bar->LoadArrows();
    return bar;
}

void SyncScrollBar(CVScrollBar& bar, const ShowListBase& list) {
    bar.SetPosition(list.GetFirstVisibleRow(), list.VisibleRows(), list.TotalRows());
}

bool HandleListScroll(CVScrollBar& bar, ShowListBase& list, LParam code, WParam part) {
    const int before = list.GetFirstVisibleRow();
    if (code == NotifyPressed && part != ScrollThumb) {
        const ScrollPosition s{list.GetFirstVisibleRow(), list.VisibleRows(), list.TotalRows()};
        list.SetFirstVisibleRow(std::max(0, SteppedPosition(s, part)));
        SyncScrollBar(bar, list);
    } else if (code == NotifyValueChanged) {
        list.SetFirstVisibleRow(std::clamp(bar.GetPosition().position, 0, LastFirstRow(list)));
    }
    return list.GetFirstVisibleRow() != before;
}

bool ScrollListBy(ShowListBase& list, int rows) {
    const int before = list.GetFirstVisibleRow();
    list.SetFirstVisibleRow(std::clamp(before + rows, 0, std::max(before, LastFirstRow(list))));
    return list.GetFirstVisibleRow() != before;
}

int WheelSteps::Take(int delta) {
    remainder_ += delta;
    const int notches = remainder_ / Notch;
    remainder_ -= notches * Notch;
    return notches;
}

} // namespace ferrox
