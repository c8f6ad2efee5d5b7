// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the main window shows itself on the desktop besides its own frame: the tray icon (and,
// for a tray host that starts after us, the retries that add it late), the on-screen display,
// and the desktop notifications about the battery.

#include "app/osd/desktop_notifier.h"
#include "app/osd/osd_presenter.h"
#include "app/tray/main_tray_icon.h"
#include "device/protocol/low_battery_watch.h"

#include <functional>
#include <memory>

namespace ferrox {

class DesktopPresence {
public:
    static constexpr unsigned TrayRetryTimer = 120;
    static constexpr int TrayRetryMilliseconds = 1000;
    static constexpr int TrayRetries = 10;

    // Binds the window's timers 50 and 120 and tries to add the tray icon.
    DesktopPresence(WindowBase& window, MainTrayIcon::Availability trayAvailable,
                    OsdPresenter::Mode osdMode = OsdPresenter::DesktopMode());
    ~DesktopPresence();

    bool TrayShown() const { return tray_.Shown(); }
    // Runs when the tray icon is added after a retry (a tray host that came up late).
    void SetTrayAddedListener(std::function<void()> listener) { trayAdded_ = std::move(listener); }
    MainTrayIcon& Tray() { return tray_; }
    OsdPresenter& Osd() { return osd_; }
    void ShowBatteryWarning(BatteryWarning warning, int level);

private:
    void retryTray();

    WindowBase& window_;
    DesktopNotifier notifier_;
    MainTrayIcon tray_;
    OsdPresenter osd_;
    int retriesLeft_ = TrayRetries;
    std::function<void()> trayAdded_;
};

} // namespace ferrox
