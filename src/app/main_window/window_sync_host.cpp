// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window/window_sync_host.h"

#include "app/main_window/main_window_parts.h"

namespace ferrox {

// An apply and the mouse's answers ask for the view whether or not they changed anything: the
// whole window is painted again only when what it shows did change.
void WindowSyncHost::showProfileAgain() {
    if (parts_ && parts_->shown.Changed())
        parts_->calls.showProfileAgain();
}

void WindowSyncHost::showProgressNotice() {
    if (parts_)
        parts_->notices.ShowProgress();
}

void WindowSyncHost::showWindowFromDevice() {
    if (parts_)
        parts_->visibility.BringUp();
}

void WindowSyncHost::minimiseWindow() {
    if (parts_)
        parts_->visibility.MinimiseForDevice();
}

void WindowSyncHost::updateBatteryDisplay(uint8_t level, ChargeState charge, int) {
    if (parts_)
        parts_->power.ShowBattery(level, charge);
}

void WindowSyncHost::showDeviceNotice() {
    if (parts_)
        parts_->notices.ShowOnScreenDisplay();
}

void WindowSyncHost::batteryWarning(BatteryWarning warning, uint8_t level) {
    if (parts_)
        parts_->notices.ShowBatteryWarning(warning, level);
}

} // namespace ferrox
