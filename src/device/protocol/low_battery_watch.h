// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Decides when the user is told that the mouse's battery runs low: once below 15 % and once
// more below 5 % in each discharge, never while the mouse charges, and never on one odd
// reading (a mouse waking up may report 0, or a value from before its last charge).

#include "device/protocol/status_answer.h"

#include <optional>

namespace ferrox {

enum class BatteryWarning { None, Low, Critical };

inline constexpr int LowBatteryPercent = 15;
inline constexpr int CriticalBatteryPercent = 5;

class LowBatteryWatch {
public:
    // One status answer's reading; the warning to give now, if any.
    BatteryWarning Observe(int level, ChargeState charge);

private:
    void startDischarge();

    std::optional<int> previous_; // the last plausible reading on battery
    bool lowGiven_ = false;
    bool criticalGiven_ = false;
};

} // namespace ferrox
