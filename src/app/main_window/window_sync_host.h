// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the synchronisation asks of the main window, handed on to the part that does it.

#include "device/protocol/sync_host.h"

namespace ferrox {

struct MainWindowParts;

class WindowSyncHost : public SyncHost {
public:
    // The session holding this host is made before the parts and goes after them: until
    // Attach() and after Detach() nothing is handed on.
    void Attach(MainWindowParts* parts) { parts_ = parts; }
    void Detach() { parts_ = nullptr; }

    void showProfileAgain() override;
    void showProgressNotice() override;
    void showWindowFromDevice() override;
    void minimiseWindow() override;
    void updateBatteryDisplay(uint8_t level, ChargeState charge, int animationStep) override;
    void showDeviceNotice() override;
    void batteryWarning(BatteryWarning warning, uint8_t level) override;

private:
    MainWindowParts* parts_ = nullptr;
};

} // namespace ferrox
