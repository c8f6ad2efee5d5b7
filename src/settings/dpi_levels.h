// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The active DPI level. A profile keeps it as the level's position among the enabled levels
// (currentDpiLevel), which is what the mouse is sent and reports; the window and ferroxctl
// work with level indexes 0..7 and convert through these rules.

#include "settings/profile_settings.h"

#include <cstdint>
#include <optional>

namespace ferrox {

// The level's position among the enabled levels of mask; nothing when the level is disabled.
std::optional<int> DpiLevelPosition(std::uint8_t mask, int level);
// The enabled level at that position; nothing past the enabled levels.
std::optional<int> DpiLevelAtPosition(std::uint8_t mask, int position);
// The level index of the profile's active level; nothing for a position no level has.
std::optional<int> ActiveDpiLevel(const ProfileSettings& profile);

// The position of the active level once the mask changes: the same level while it stays
// enabled; when it goes off, the nearest enabled level below it, else the lowest enabled one.
std::uint8_t DpiPositionAfterMaskChange(std::uint8_t oldMask, std::uint8_t position,
                                        std::uint8_t newMask);
// A new enable mask with the active level moved by that rule; false and nothing changed for
// an empty mask (one level always stays in the cycle).
bool SetDpiEnableMask(ProfileSettings& profile, std::uint8_t mask);
// Level 0..7 on or off, as the window's level checks do; false and nothing changed when it
// would switch off the only enabled level.
bool SetDpiLevelEnabled(ProfileSettings& profile, int level, bool enabled);
// Makes an enabled level the active one; false and nothing changed for a disabled level.
bool SetActiveDpiLevel(ProfileSettings& profile, int level);

} // namespace ferrox
