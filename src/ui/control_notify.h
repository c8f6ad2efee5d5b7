// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a control tells its dialog: the message number is the control's ID, lParam one of
// these codes, wParam as each control documents.

#include "platform/messages.h"

namespace ferrox {

enum ControlNotify : LParam {
    NotifyPressed = 1,
    NotifyClicked = 2,
    NotifyValueChanged = 3,
    NotifyHoverEnter = 4,
    NotifyHoverLeave = 5,
    NotifyDoubleClicked = 10,
    NotifyRightClicked = 11,
    NotifyHoverTip = 12,
};

// wParam of a scroll bar's NotifyPressed: where on the bar the press landed.
enum ScrollPart : WParam {
    ScrollThumb = 0,
    ScrollLineUp = 6,
    ScrollLineDown = 7,
    ScrollPageUp = 8,
    ScrollPageDown = 9,
};

// Pointer look of every interactive control.
enum MouseState : int { MouseNormal = 0, MouseOver = 1, MouseDown = 2 };

} // namespace ferrox
