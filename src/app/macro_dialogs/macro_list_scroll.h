// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scrolling the macro lists: the scroll bar's line and page steps and its dragged thumb, and
// the mouse wheel, one row per notch. Wheel deltas are added up to whole notches, so the small
// steps of a touchpad scroll too.

#include "platform/messages.h"
#include "ui/control_spec.h"

namespace ferrox {

class CDlgBase;
class ShowListBase;
class CVScrollBar;

// A list and its scroll bar one design unit inside a grey-bordered area, the bar on the right;
// window pixels (right and bottom exclusive).
struct ListPlacement {
    struct Box {
        int left, top, right, bottom;
    };
    Box list;
    Box bar;
};
inline constexpr int ListScrollBarWidth = 15;
ListPlacement PlaceListInArea(const DesignRect& area);
// The placement's scroll bar with its arrows, added to layer 0.
CVScrollBar* AddScrollBar(CDlgBase& dialog, int id, const ListPlacement& placement);

// The bar shows the list's first visible row, visible rows and total.
void SyncScrollBar(CVScrollBar& bar, const ShowListBase& list);
// A scroll bar notification (pressed with the part hit, value changed while dragging). True
// when the list's first visible row changed.
bool HandleListScroll(CVScrollBar& bar, ShowListBase& list, LParam code, WParam part);
// Scrolls by rows (negative: up), never past either end. True when it moved.
bool ScrollListBy(ShowListBase& list, int rows);

class WheelSteps {
public:
    static constexpr int Notch = 120;
    // Whole notches in the delta and what was left over before (positive: away from the user,
    // which scrolls up).
    int Take(int delta);

private:
    int remainder_ = 0;
};

} // namespace ferrox
