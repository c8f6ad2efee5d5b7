// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the main window is in sight: hidden at start (NeedPassword, --start-hidden), the tray
// icon, the mouse's own request to show or withdraw the window, minimising, a second start of
// the program. The synchronisation's window-shown flag lets changes reach the mouse only once
// the user may see the window, so every way in here keeps it right.

#include "app/main_window/window_part.h"
#include "app/tray/main_tray_icon.h"

#include <memory>

class QRect;

namespace ferrox {

class DesktopPresence;
class SyncController;

class WindowVisibility : public WindowPart {
public:
    WindowVisibility(CDlgBase& window, const WindowCalls& calls, SyncController& sync,
                     MainTrayIcon::Availability trayAvailable);
    ~WindowVisibility() override;

    // A second start, the tray's show command and the visibility timer.
    void Bind() override;

    // --start-hidden: out of the way at start, yet still allowed to show (a second start, the
    // tray). Set before the window is made.
    void StartHidden(bool hidden) { startHiddenOption_ = hidden; }
    // Centred on the work area, or at its edge where the window does not fit.
    void PlaceOnWorkArea(const QRect& workArea);
    // Once the window is made: the tray icon, and whether the window starts in sight.
    void StartOnDesktop();
    // The tray icon and the on-screen display go.
    void LeaveDesktop();

    // In front, shown normally: the mouse asked for the window, or the user did.
    void BringUp();
    void MinimiseForDevice();
    // The minimise button: the tray icon (or a second start) brings the window back.
    void Minimise();
    // The window's state may have changed: whether it may stay in sight is checked soon.
    void CheckSoon();

    int WindowShownFlag() const;
    int DeviceShowFlag() const;
    // Tray icon, on-screen display and notifications; null before StartOnDesktop().
    DesktopPresence* Presence() const { return presence_.get(); }

private:
    LResult onWakeInstance();
    void onTrayShow();
    void onVisibilityTimer();
    void allowWindow();
    bool trayIconShown() const;

    SyncController& sync_;
    MainTrayIcon::Availability trayAvailable_;
    std::unique_ptr<DesktopPresence> presence_;
    bool startHiddenOption_ = false;
    bool decided_ = false; // the window-shown flag holds its start value
};

} // namespace ferrox
