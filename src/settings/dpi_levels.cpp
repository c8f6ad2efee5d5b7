// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/dpi_levels.h"

#include <bit>

namespace ferrox {

namespace {
bool Enabled(std::uint8_t mask, int level) {
    return level >= 0 && level < DpiLevelCount && ((mask >> level) & 1) != 0;
}
} // namespace

std::optional<int> DpiLevelPosition(std::uint8_t mask, int level) {
    if (!Enabled(mask, level)) {
        return std::nullopt;
    }
    return std::popcount(static_cast<unsigned>(mask & ((1u << level) - 1)));
}

std::optional<int> DpiLevelAtPosition(std::uint8_t mask, int position) {
    for (int level = 0; level < DpiLevelCount; ++level) {
        if (Enabled(mask, level) && position-- == 0) {
            return level;
        }
    }
    return std::nullopt;
}

std::optional<int> ActiveDpiLevel(const ProfileSettings& profile) {
    return DpiLevelAtPosition(profile.dpiEnableMask, profile.currentDpiLevel);
}

std::uint8_t DpiPositionAfterMaskChange(std::uint8_t oldMask, std::uint8_t position,
                                        std::uint8_t newMask) {
    const std::optional<int> active = DpiLevelAtPosition(oldMask, position);
    for (int level = active.value_or(-1); level >= 0; --level) {
        if (Enabled(newMask, level)) {
            return static_cast<std::uint8_t>(*DpiLevelPosition(newMask, level));
        }
    }
    return 0;
}

bool SetDpiEnableMask(ProfileSettings& profile, std::uint8_t mask) {
    if (mask == 0) {
        return false;
    }
    profile.currentDpiLevel =
        DpiPositionAfterMaskChange(profile.dpiEnableMask, profile.currentDpiLevel, mask);
    profile.dpiEnableMask = mask;
    return true;
}

bool SetDpiLevelEnabled(ProfileSettings& profile, int level, bool enabled) {
    if (level < 0 || level >= DpiLevelCount) {
        return false;
    }
    const auto bit = static_cast<std::uint8_t>(1u << level);
    return SetDpiEnableMask(profile, static_cast<std::uint8_t>(
                                         enabled ? profile.dpiEnableMask | bit
                                                 : profile.dpiEnableMask & ~bit));
}

bool SetActiveDpiLevel(ProfileSettings& profile, int level) {
    const std::optional<int> position = DpiLevelPosition(profile.dpiEnableMask, level);
    if (!position) {
        return false;
    }
    profile.currentDpiLevel = static_cast<std::uint8_t>(*position);
    return true;
}

} // namespace ferrox
