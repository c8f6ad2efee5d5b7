// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse buttons the main window's parts care about beyond their controls: a drag that
// ends, the double click that lighting swatches tell apart from two clicks.

#include "app/main_window/ferrox_dlg.h"
#include "app/main_window/main_window_parts.h"

namespace ferrox {

// A drag may end anywhere, even outside the window: its changes go to the mouse once, with the
// release, or with the first move after it.
void CFerroxDlg::OnLButtonUp(int x, int y) {
    CDlgBase::OnLButtonUp(x, y);
    parts_->lighting.ButtonReleased();
    if (parts_->apply.DragPending())
        parts_->apply.Schedule(0);
}

void CFerroxDlg::OnMouseMove(int x, int y) {
    CDlgBase::OnMouseMove(x, y);
    if (parts_->apply.DragPending() && !ButtonHeld())
        parts_->apply.Schedule(0);
}

void CFerroxDlg::OnLButtonDblClk(int x, int y) {
    parts_->lighting.DoubleClickStarted();
    CDlgBase::OnLButtonDblClk(x, y);
}

} // namespace ferrox
