// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command images: what each setting command carries, built from a profile. The owner
// keeps a current and a last-sent copy of each and sends only what differs.

#include <array>
#include <cstdint>
#include <optional>

#include "settings/dpi_table.h"
#include "settings/profile_settings.h"

namespace ferrox {

// 0..1 unused; 2 + 3p .. 4 + 3p: the function at device position p. Positions 3 and 4 hold
// key slots 4 and 3 (the mouse numbers its side buttons the other way round).
using KeyImage = std::array<uint8_t, 23>;
inline constexpr int DeviceKeyPositions = 7;
constexpr int KeySlotOfPosition(int position) {
    return position == 3 ? 4 : position == 4 ? 3 : position;
}

// 0: enabled-level count | (current level + 1) << 4; 1: enable mask; 2..13: codes of levels
// 0..5, low byte first; 14..17: 0.
using DpiImage = std::array<uint8_t, 18>;
// Red, green, blue of each of the eight level colours.
using DpiColourImage = std::array<uint8_t, 24>;
// 0: payload length n; 1..n: the lighting payload; the rest 0.
using LightingImage = std::array<uint8_t, 1 + 26>;
using PowerImage = std::array<uint8_t, 2>;

struct CommandImages {
    KeyImage keys{};
    DpiImage dpi{};
    DpiColourImage dpiColours{};
    uint8_t reportRate = 0;
    uint8_t liftHeight = 0;
    uint8_t debounce = 0;
    LightingImage lighting{};
    PowerImage power{};
    uint8_t motionWakeup = 0;
};

KeyImage BuildKeyImage(const ProfileSettings& profile);
DpiImage BuildDpiImage(const ProfileSettings& profile, const DpiStepTable& steps);
DpiColourImage BuildDpiColourImage(const ProfileSettings& profile);
// 0x08 125 Hz, 0x04 250 Hz, 0x02 500 Hz, 0x01 for anything else (1000 Hz).
uint8_t ReportRateCode(uint8_t rate);
// The inverse, as the mouse's notice reports it; nothing for a code the mouse never sends (a
// damaged report says nothing about the rate, as a level out of range says nothing about DPI).
std::optional<uint8_t> ReportRateOfCode(uint8_t code);
LightingImage BuildLightingImage(const LightingSettings& lighting);
PowerImage BuildPowerImage(const ProfileSettings& profile);
uint8_t MotionWakeupByte(const ProfileSettings& profile);

CommandImages BuildCommandImages(const ProfileSettings& profile, const DpiStepTable& steps);

} // namespace ferrox
