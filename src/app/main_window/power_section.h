// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The power and battery panels of the left column: the battery gauge and its percentage, the
// power-down time dial, lighting while moving and wake-up by motion.

#include "app/main_window/window_part.h"
#include "device/protocol/sync_host.h"

#include <cstdint>

namespace ferrox {

namespace MainId {
enum : int {
    BatteryTitle = 3007,
    PowerTitle = 3010,
    Battery = 3406,
    BatteryText = 3405,
    PowerDial = 3500,
    PowerText = 3407,
    MoveLightingCheck = 3501,
    MotionWakeupCheck = 3504,
};
}

class PowerSection : public WindowPart {
public:
    using WindowPart::WindowPart;

    void Bind() override;
    void Refresh(const ProfileSettings& profile) override;
    void Collect(ProfileSettings& profile) override;
    // The gauge and percentage: level 0..100.
    void ShowBattery(std::uint8_t level, ChargeState charge);
};

} // namespace ferrox
