// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/protocol/command_images.h"

#include <algorithm>
#include <bit>

namespace ferrox {

namespace {

// Report-rate codes by rate 0..3: 125, 250, 500 and 1000 Hz.
constexpr std::array<uint8_t, 4> kRateCodes{0x08, 0x04, 0x02, 0x01};

void putColour(uint8_t* at, Colour c) {
    at[0] = RedOf(c);
    at[1] = GreenOf(c);
    at[2] = BlueOf(c);
}

// Payload bytes 2.. of the lighting command, by mode; returns the payload length n.
std::size_t lightingColours(const LightingSettings& l, uint8_t* p) {
    const uint8_t m = l.mode;
    const auto& used = l.colourSelected[m];
    const auto& colour = l.colour[m];
    switch (m) {
    case 1:
        p[2] = l.direction[1];
        return 3;
    case 2: {
        // Only slots in use whose colour is not black, packed in slot order.
        uint8_t c = 0;
        for (int k = 0; k < 7; ++k) {
            if (used[k] && colour[k] != 0) {
                putColour(p + 3 + 3 * c, colour[k]);
                ++c;
            }
        }
        p[2] = c;
        return 3 + 3 * c;
    }
    case 3:
        putColour(p + 2, colour[0]);
        return 5;
    case 6:
        for (int k = 0; k < 7; ++k) {
            if (used[k]) {
                putColour(p + 2 + 3 * k, colour[k]);
            }
        }
        return 23;
    case 7:
        // Byte 2 keeps slot 0's red byte; the shadow images are built the same way, so an
        // unchanged lighting is never sent again.
        for (int k = 0; k < 2; ++k) {
            if (used[k]) {
                putColour(p + 2 + 3 * k, colour[k]);
            }
        }
        return 23;
    default: // 0, 4, 5, 8, 9
        return 2;
    }
}

} // namespace

KeyImage BuildKeyImage(const ProfileSettings& profile) {
    KeyImage image{};
    for (int p = 0; p < DeviceKeyPositions; ++p) {
        const ButtonFunction& f = profile.keys[KeySlotOfPosition(p)].function;
        image[2 + 3 * p] = f.category;
        image[3 + 3 * p] = f.param1;
        image[4 + 3 * p] = f.param2;
    }
    return image;
}

DpiImage BuildDpiImage(const ProfileSettings& profile, const DpiStepTable& steps) {
    DpiImage image{};
    const uint8_t mask = profile.dpiEnableMask;
    image[0] =
        static_cast<uint8_t>((std::popcount(mask) & 0x0F) | ((profile.currentDpiLevel + 1) << 4));
    image[1] = mask;
    for (int k = 0; k < DeviceDpiLevelCount; ++k) {
        // A step past the table (a damaged file) is sent as code 0 rather than as stale data.
        const uint16_t code = steps.At(profile.dpiStep[k]).value_or(DpiStep{0, 0}).code;
        image[2 + 2 * k] = static_cast<uint8_t>(code);
        image[3 + 2 * k] = static_cast<uint8_t>(code >> 8);
    }
    return image;
}

DpiColourImage BuildDpiColourImage(const ProfileSettings& profile) {
    DpiColourImage image{};
    for (int k = 0; k < DpiLevelCount; ++k) {
        putColour(image.data() + 3 * k, profile.dpiColour[k]);
    }
    return image;
}

uint8_t ReportRateCode(uint8_t rate) {
    return rate < kRateCodes.size() ? kRateCodes[rate] : kRateCodes.back();
}

std::optional<uint8_t> ReportRateOfCode(uint8_t code) {
    const auto it = std::find(kRateCodes.begin(), kRateCodes.end(), code);
    if (it == kRateCodes.end())
        return std::nullopt;
    return static_cast<uint8_t>(it - kRateCodes.begin());
}

LightingImage BuildLightingImage(const LightingSettings& l) {
    LightingImage image{};
    const uint8_t m = l.mode;
    if (m >= LightingModeCount) {
        return image; // payload length 0
    }
    uint8_t* payload = image.data() + 1;
    payload[0] = m;
    payload[1] = static_cast<uint8_t>(((l.brightness[m] + 1) << 4) | ((l.speed[m] + 1) & 0x0F));
    image[0] = static_cast<uint8_t>(lightingColours(l, payload));
    return image;
}

PowerImage BuildPowerImage(const ProfileSettings& profile) {
    return {static_cast<uint8_t>(ProfileNumber(profile, ProfileKey::PowerDownTime)),
            static_cast<uint8_t>(ProfileNumber(profile, ProfileKey::MoveLightingOnOffMode))};
}

uint8_t MotionWakeupByte(const ProfileSettings& profile) {
    return static_cast<uint8_t>(ProfileNumber(profile, ProfileKey::MotionWakeup));
}

CommandImages BuildCommandImages(const ProfileSettings& profile, const DpiStepTable& steps) {
    CommandImages images;
    images.keys = BuildKeyImage(profile);
    images.dpi = BuildDpiImage(profile, steps);
    images.dpiColours = BuildDpiColourImage(profile);
    images.reportRate = ReportRateCode(profile.reportRate.rate);
    images.liftHeight = LiftDetectionHeightCode(profile);
    images.debounce = static_cast<uint8_t>(ProfileNumber(profile, ProfileKey::KeyDebounce));
    images.lighting = BuildLightingImage(profile.lighting);
    images.power = BuildPowerImage(profile);
    images.motionWakeup = MotionWakeupByte(profile);
    return images;
}

} // namespace ferrox
