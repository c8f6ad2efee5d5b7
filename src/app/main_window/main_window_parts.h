// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The parts the main window is made of, each with its controls, handlers and view. The window
// only builds them, hands them its calls and passes the profile through them.

#include "app/main_window/apply_requests.h"
#include "app/main_window/bottom_bar.h"
#include "app/main_window/column_layout.h"
#include "app/main_window/key_column.h"
#include "app/main_window/profile_tabs.h"
#include "app/main_window/dpi_section.h"
#include "app/main_window/lighting_section.h"
#include "app/main_window/pointer_section.h"
#include "app/main_window/power_section.h"
#include "app/main_window/rate_section.h"
#include "app/main_window/shown_settings.h"
#include "app/main_window/window_calls.h"
#include "app/main_window/window_notices.h"
#include "app/main_window/window_visibility.h"
#include "device/protocol/sync_session.h"

#include <array>

namespace ferrox {

struct MainWindowParts {
    // The window gives the calls that refresh and collect its view and its screen height; the
    // parts fill in the others among themselves.
    MainWindowParts(CDlgBase& window, SyncSession& session, WindowCalls windowCalls,
                    CProgressBarDlg::Clock progressClock,
                    MainTrayIcon::Availability trayAvailable)
        : apply(session.sync()), calls(std::move(windowCalls)), column(window, calls),
          tabs(window, calls), keys(window, calls, session), dpi(window, calls),
          rate(window, calls), lighting(window, calls), pointer(window, calls),
          power(window, calls), bottomBar(window, calls, session),
          notices(window, calls, session, std::move(progressClock),
                  [this] { return visibility.Presence(); }),
          visibility(window, calls, session.sync(), std::move(trayAvailable)) {
        calls.scheduleApply = [this](unsigned groups) { apply.Schedule(groups); };
        calls.noteDrag = [this](unsigned groups) { apply.NoteDrag(groups); };
        calls.showNotice = [this](int text, const char* english) {
            notices.ShowAttention(text, english);
        };
    }

    // In the order the view is refreshed.
    std::array<WindowPart*, 11> All() {
        return {&column, &tabs, &keys,  &dpi,       &rate,    &lighting,
                &pointer, &power, &bottomBar, &notices, &visibility};
    }

    ApplyRequests apply;
    WindowCalls calls;
    // How often the view was shown: tests check that one change shows it once.
    int viewRefreshes = 0;
    ShownSettings shown;
    ColumnLayout column;
    ProfileTabs tabs;
    KeyColumn keys;
    DpiSection dpi;
    RateSection rate;
    LightingSection lighting;
    PointerSection pointer;
    PowerSection power;
    BottomBar bottomBar;
    WindowNotices notices;
    WindowVisibility visibility;
};

} // namespace ferrox
