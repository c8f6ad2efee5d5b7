// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the main window's view was last drawn from: the configuration (current slot, the
// profile bar), the five profiles as far as the window shows them, and the sensor whose DPI
// table the levels are shown in. An apply or a status answer asks for the view again whether
// or not it changed anything; when nothing did, the whole window is not painted once more.

#include "settings/config_table.h"
#include "settings/dpi_table.h"
#include "settings/profile_settings.h"

#include <array>
#include <optional>

namespace ferrox {

class ShownSettings {
public:
    // Whether the settings differ from those recorded last (always, before the first); records
    // them.
    bool Changed();

private:
    struct Shown {
        std::array<KeyValuePair, ConfigPairCount> config;
        std::array<ProfileSettings, ProfileCount> profiles;
        SensorIdValue sensor = 0;
    };
    std::optional<Shown> last_;
};

} // namespace ferrox
