// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/protocol/low_battery_watch.h"

#include <algorithm>

namespace ferrox {
namespace {

// A level this far above the low mark means the mouse was charged where we could not see it
// (unplugged, or while this program was not asking): a new discharge.
constexpr int RechargedMargin = 5;

bool Plausible(int level) {
    return level > 0 && level <= 100;
}

} // namespace

void LowBatteryWatch::startDischarge() {
    lowGiven_ = false;
    criticalGiven_ = false;
}

BatteryWarning LowBatteryWatch::Observe(int level, ChargeState charge) {
    if (charge != ChargeState::OnBattery) {
        previous_.reset();
        startDischarge();
        return BatteryWarning::None;
    }
    if (!Plausible(level))
        return BatteryWarning::None;
    const std::optional<int> previous = previous_;
    previous_ = level;
    if (!previous)
        return BatteryWarning::None;
    // Both readings must say so: the higher of the two is what the battery holds at least.
    const int agreed = std::max(*previous, level);
    if (agreed >= LowBatteryPercent + RechargedMargin)
        startDischarge();
    if (agreed < CriticalBatteryPercent && !criticalGiven_) {
        criticalGiven_ = lowGiven_ = true;
        return BatteryWarning::Critical;
    }
    if (agreed < LowBatteryPercent && !lowGiven_) {
        lowGiven_ = true;
        return BatteryWarning::Low;
    }
    return BatteryWarning::None;
}

} // namespace ferrox
