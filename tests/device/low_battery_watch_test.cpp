// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Low-battery warnings: once per mark and discharge, never while charging, never on one odd
// reading.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/protocol/low_battery_watch.h"

namespace ferrox {
namespace {

struct Reading {
    int level;
    ChargeState charge = ChargeState::OnBattery;
};

using W = BatteryWarning;
constexpr ChargeState Charging = ChargeState::Charging;
constexpr ChargeState Full = ChargeState::Full;

struct Case {
    std::string name;
    std::vector<Reading> readings;
    std::vector<W> expected; // one per reading
};

TEST(LowBatteryWatch, WarnsOncePerMarkAndDischarge) {
    const std::vector<Case> cases = {
        {"falls through both marks",
         {{30}, {16}, {14}, {13}, {10}, {6}, {4}, {3}, {2}},
         {W::None, W::None, W::None, W::Low, W::None, W::None, W::None, W::Critical, W::None}},
        {"starting already critical gives the critical warning alone",
         {{3}, {3}, {2}},
         {W::None, W::Critical, W::None}},
        {"a single low outlier says nothing",
         {{60}, {3}, {60}, {59}, {12}, {58}},
         {W::None, W::None, W::None, W::None, W::None, W::None}},
        {"zero and readings above 100 are ignored, not counted as agreeing",
         {{14}, {0}, {130}, {13}},
         {W::None, W::None, W::None, W::Low}},
        {"never while charging or full",
         {{10, Charging}, {8, Charging}, {4, Charging}, {100, Full}, {100, Full}},
         {W::None, W::None, W::None, W::None, W::None}},
        {"a charge between starts a new discharge",
         {{12}, {11}, {10}, {40, Charging}, {9}, {8}, {7}},
         {W::None, W::Low, W::None, W::None, W::None, W::Low, W::None}},
        {"a recharge not seen still starts a new discharge",
         {{12}, {11}, {90}, {90}, {12}, {11}},
         {W::None, W::Low, W::None, W::None, W::None, W::Low}},
        {"wavering around the mark warns once",
         {{15}, {14}, {15}, {14}, {14}, {16}, {14}, {14}},
         {W::None, W::None, W::None, W::None, W::Low, W::None, W::None, W::None}},
    };
    for (const Case& c : cases) {
        LowBatteryWatch watch;
        ASSERT_EQ(c.readings.size(), c.expected.size()) << c.name;
        for (std::size_t i = 0; i < c.readings.size(); ++i)
            EXPECT_EQ(watch.Observe(c.readings[i].level, c.readings[i].charge), c.expected[i])
                << c.name << ", reading " << i;
    }
}

} // namespace
} // namespace ferrox
