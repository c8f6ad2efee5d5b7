// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's two directions between the current profile and its controls.

#include "app/main_window/ferrox_dlg.h"
#include "app/main_window/main_layout.h"
#include "app/main_window/main_window_parts.h"
#include "settings/config_table.h"
#include "ui/combo_button.h"
#include "ui/ui_state.h"

#include <algorithm>

namespace ferrox {
void CFerroxDlg::RefreshView() {
    ++parts_->viewRefreshes;
    const ProfileSettings& profile = CurrentProfile();
    for (WindowPart* part : parts_->All())
        part->Refresh(profile);
    parts_->shown.Changed();
    Invalidate();
}

void CFerroxDlg::RefreshViewIfChanged() {
    if (parts_->shown.Changed())
        RefreshView();
}

void CFerroxDlg::CollectView() {
    ProfileSettings& profile = CurrentProfile();
    for (WindowPart* part : parts_->All())
        part->Collect(profile);
}

} // namespace ferrox
