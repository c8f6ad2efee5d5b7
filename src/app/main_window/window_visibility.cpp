// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window/window_visibility.h"

#include "app/app_messages.h"
#include "app/tray/desktop_presence.h"
#include "app/window_rules.h"
#include "device/protocol/sync_controller.h"
#include "settings/config_table.h"
#include "ui/dlg_base.h"

namespace ferrox {

WindowVisibility::WindowVisibility(CDlgBase& window, const WindowCalls& calls,
                                   SyncController& sync, MainTrayIcon::Availability trayAvailable)
    : WindowPart(window, calls), sync_(sync), trayAvailable_(std::move(trayAvailable)) {}

WindowVisibility::~WindowVisibility() = default;

void WindowVisibility::Bind() {
    window_.bindMessage(kWakeInstanceMessage, [this](WParam, LParam) { return onWakeInstance(); });
    window_.bindMessage(MainTrayIcon::ShowCommand, [this](WParam, LParam) {
        onTrayShow();
        return 0;
    });
    window_.bindTimer(kVisibilityTimer, [this] { onVisibilityTimer(); });
}

void WindowVisibility::PlaceOnWorkArea(const QRect& workArea) {
    window_.move(CentredOrigin(workArea, QSize(window_.WindowWidth(), window_.WindowHeight())));
}

void WindowVisibility::StartOnDesktop() {
    presence_ = std::make_unique<DesktopPresence>(window_, trayAvailable_);
    presence_->SetTrayAddedListener([this] { CheckSoon(); });

    // With NeedPassword at 1 only the mouse's own show request (a status answer) reveals the
    // window. Minimised first: without a tray icon it stays on the taskbar, never out of reach.
    const int startHidden = int(ConfigNumber(ConfigKey::NeedPassword));
    if (startHidden == 1)
        window_.showMinimized();
    sync_.windowShown = sync_.deviceShow = startHidden == 0;
    decided_ = true;
    if (startHiddenOption_ && startHidden != 1)
        Minimise();
    if (startHiddenOption_)
        sync_.HoldStandingShow();
    CheckSoon();
}

void WindowVisibility::LeaveDesktop() {
    presence_.reset();
}

int WindowVisibility::WindowShownFlag() const {
    return sync_.windowShown;
}

int WindowVisibility::DeviceShowFlag() const {
    return sync_.deviceShow;
}

void WindowVisibility::BringUp() {
    window_.showNormal();
    window_.raise();
    window_.activateWindow();
}

void WindowVisibility::MinimiseForDevice() {
    window_.showMinimized();
}

// The tray icon's activation and its first menu item: shown when allowed, otherwise the
// mouse is asked whether it may be.
void WindowVisibility::onTrayShow() {
    if (sync_.windowShown && sync_.deviceShow) {
        BringUp();
    } else {
        sync_.ReleaseStandingShow(); // the user asks: the mouse's indication counts as it is
        sync_.QueryStatus();         // its answer may show the window
    }
}

// A second start of the program is the user asking for the window, tray or not: it always
// comes up, so a hidden window can always be brought back.
LResult WindowVisibility::onWakeInstance() {
    const bool askDevice = !sync_.deviceShow;
    allowWindow();
    BringUp();
    if (askDevice)
        sync_.QueryStatus();
    return 0;
}

// The user brought the window up: it may be shown, and changes held back meanwhile go out.
void WindowVisibility::allowWindow() {
    if (sync_.windowShown)
        return;
    sync_.windowShown = true;
    if (sync_.pendingChanges())
        sync_.RequestApply(0);
}

bool WindowVisibility::trayIconShown() const {
    return presence_ && presence_->TrayShown();
}

// Only the window-shown flag, the tray and the window's own state decide what the check does,
// so it runs when one of them changes rather than for the window's whole life: an idle program
// should not wake ten times a second. It waits a moment, as it always did, so that a window
// minimised at start is seen minimised before it goes out of sight.
void WindowVisibility::CheckSoon() {
    if (decided_ && !sync_.windowShown && !window_.IsTimerActive(kVisibilityTimer))
        window_.SetTimer(kVisibilityTimer, kVisibilityCheckMilliseconds, TimerMode::SingleShot);
}

// Without a tray icon a hidden window could not be brought back: it stays minimised on the
// taskbar instead, and once the user restores it from there it counts as allowed.
void WindowVisibility::onVisibilityTimer() {
    window_.KillTimer(kVisibilityTimer);
    if (sync_.windowShown || !window_.isVisible())
        return;
    if (trayIconShown() || window_.IsEnded())
        window_.hide();
    else if (!window_.isMinimized())
        allowWindow();
}

// The window-shown flag stays 1, so the tray icon (or a second start) brings the window back.
// Without a tray icon to do that, the window goes to the taskbar instead of out of sight.
void WindowVisibility::Minimise() {
    if (trayIconShown())
        window_.hide();
    else
        window_.showMinimized();
}

} // namespace ferrox
