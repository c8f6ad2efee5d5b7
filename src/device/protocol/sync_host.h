// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the synchronisation tells the window that owns it; its timers come from a SyncScheduler.
// Every call comes on the owner's thread. Empty defaults let ferroxctl and tests implement only
// what they watch.

#include <cstdint>

#include "device/protocol/low_battery_watch.h"
#include "device/protocol/status_answer.h"

namespace ferrox {

class SyncHost {
public:
    virtual ~SyncHost() = default;

    // The current profile or the DPI step table changed: show them anew.
    virtual void showProfileAgain() {}
    // After an apply that sent something: the modal progress notice (text 146).
    virtual void showProgressNotice() {}
    // The device asked for the window: bring it to the foreground, shown normally.
    virtual void showWindowFromDevice() {}
    // The device withdrew the window it had asked for.
    virtual void minimiseWindow() {}
    // Battery gauge and percentage: level 0..100, the gauge's animation step 25..100.
    virtual void updateBatteryDisplay(uint8_t /*level*/, ChargeState /*charge*/,
                                      int /*animationStep*/) {}
    // The mouse changed its DPI level or report rate: the on-screen display.
    virtual void showDeviceNotice() {}
    // The battery fell below one of the warning marks (once per discharge).
    virtual void batteryWarning(BatteryWarning /*warning*/, uint8_t /*level*/) {}
};

} // namespace ferrox
