// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window/shown_settings.h"

#include <algorithm>

namespace ferrox {

namespace {

// A key's macro copy is not shown (its name is the key's); what the key does and is called is.
bool SameKeys(const KeyTable& a, const KeyTable& b) {
    return std::equal(a.begin(), a.end(), b.begin(), [](const KeySlot& x, const KeySlot& y) {
        return x.name == y.name && x.function == y.function;
    });
}

bool SameShown(const ProfileSettings& a, const ProfileSettings& b) {
    return a.profileKeys == b.profileKeys && SameKeys(a.keys, b.keys) &&
           a.reportRate == b.reportRate && a.lighting == b.lighting &&
           a.dpiEnableMask == b.dpiEnableMask && a.dpiStep == b.dpiStep &&
           a.currentDpiLevel == b.currentDpiLevel && a.dpiColour == b.dpiColour &&
           a.angleSnap == b.angleSnap && a.liftDetection == b.liftDetection;
}

} // namespace

bool ShownSettings::Changed() {
    const bool same = last_ && last_->config == ConfigTable && last_->sensor == SensorId &&
                      std::equal(Profiles.begin(), Profiles.end(), last_->profiles.begin(),
                                 SameShown);
    if (!same)
        last_ = Shown{ConfigTable, Profiles, SensorId};
    return !same;
}

} // namespace ferrox
