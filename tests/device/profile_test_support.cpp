// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/profile_test_support.h"

#include "settings/config_table.h"

namespace ferrox::test {

void ResetTestSettings() {
    FillConfigDefaults();
    SetSensor(0x3325);
    BuildDpiStepTable();
    for (int i = 0; i < ProfileCount; ++i) {
        ResetProfile(Profiles[i], static_cast<unsigned>(i));
    }
    SetCurrentSlot(0);
}

uint8_t CurrentDpiLevel() {
    return CurrentProfile().currentDpiLevel;
}

void SetCurrentReportRate(uint8_t rate) {
    CurrentProfile().reportRate.rate = rate;
}

} // namespace ferrox::test
