// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The five profile slots: everything the user sets for the mouse, held in memory for the whole
// run. Slots never move; other code keeps plain references into them.

#include "base/colour.h"
#include "buttons/key_slot.h"

#include <array>
#include <cstdint>
#include <string>

namespace ferrox {

inline constexpr int ProfileCount = 5;
inline constexpr int ProfileKeyCount = 20;
inline constexpr int LightingModeCount = 10;
inline constexpr int LightingColourSlots = 10;
inline constexpr int DpiLevelCount = 8;
// The mouse holds levels 0..5; levels 6 and 7 are kept, shown and saved only.
inline constexpr int DeviceDpiLevelCount = 6;

// Pair numbers of profileKeys; the order is the profile file's.
namespace ProfileKey {
enum : int {
    ProfileName,
    GameFile0,
    GameFile1,
    GameFile2,
    DoubleClickSpeed,
    PointerSpeed,
    AccelerationEnable,
    ScrollWheelSpeed,
    ScrollWheelPageEnable,
    TiltSpeed,
    Sensitivity_X,
    Sensitivity_Y,
    XYSynchronous,
    X_DPI,
    Y_DPI,
    MoveLightingOnOffMode, // sent with command 0x0B
    PowerDownTime,         // sent with command 0x0B
    LiftDetectionHeight,   // sent with command 0x09
    KeyDebounce,           // sent with command 0x0A
    MotionWakeup,          // sent with command 0x0C
};
}

struct KeyValuePair {
    std::wstring key;
    std::wstring value;
    friend bool operator==(const KeyValuePair&, const KeyValuePair&) = default;
};

struct ReportRateSettings {
    std::wstring name;     // display text only
    std::uint8_t rate = 2; // 0..3: 125, 250, 500, 1000 Hz
    std::array<std::uint8_t, 2> spare{};
    friend bool operator==(const ReportRateSettings&, const ReportRateSettings&) = default;
};

struct LightingSettings {
    std::uint8_t onOff = 1;
    std::wstring name;
    std::uint8_t mode = 1; // 0..9
    std::array<std::uint8_t, 2> spare{};
    std::array<std::uint8_t, LightingModeCount> speed{};
    std::array<std::uint8_t, LightingModeCount> brightness{};
    std::array<std::array<std::uint8_t, LightingColourSlots>, LightingModeCount> colourSelected{};
    std::array<std::array<Colour, LightingColourSlots>, LightingModeCount> colour{};
    std::array<std::uint8_t, LightingModeCount> direction{};
    friend bool operator==(const LightingSettings&, const LightingSettings&) = default;
};

// Loaded and saved, never shown or sent.
struct Lighting2Settings {
    std::uint8_t onOff = 0;
    std::wstring name;
    std::array<std::uint8_t, 3> modeValue{1, 0, 0};
    std::uint8_t speed = 0;
    std::uint8_t brightness = 0;
    Colour colour = 0;
    friend bool operator==(const Lighting2Settings&, const Lighting2Settings&) = default;
};

struct ProfileSettings {
    std::array<KeyValuePair, ProfileKeyCount> profileKeys;
    KeyTable keys;
    ReportRateSettings reportRate;
    LightingSettings lighting;
    Lighting2Settings lighting2;
    std::uint8_t dpiEnableMask = 0x3F; // bit k: level k is in the DPI button's cycle
    std::array<std::uint16_t, DpiLevelCount> dpiStep{}; // indexes into the DPI step table
    std::uint8_t currentDpiLevel = 1;                   // 0-based; the mouse counts from 1
    std::array<Colour, DpiLevelCount> dpiColour{};
    std::uint8_t angleSnap = 0;
    std::uint8_t liftDetection = 2;
};

// The five slots, numbers 0..4.
extern std::array<ProfileSettings, ProfileCount> Profiles;

// Every field to its default; index picks the default name (0..4: texts 85..89, otherwise
// "Profile<index+1>"). Ends with ResetDpiDefaults.
void ResetProfile(ProfileSettings& profile, unsigned index);
// DPI levels, their colours, angle snap and lift detection for the current SensorId. Step
// indexes stay as they are for a sensor without defaults.
void ResetDpiDefaults(ProfileSettings& profile);

// Slot 0..6, nullptr above.
KeySlot* KeySlotAt(ProfileSettings& profile, unsigned index);
const KeySlot* KeySlotAt(const ProfileSettings& profile, unsigned index);

// profileKeys by pair number; an empty string outside 0..19.
const std::wstring& ProfileKeyName(const ProfileSettings& profile, int pair);
const std::wstring& ProfileValue(const ProfileSettings& profile, int pair);
// False outside 0..19.
bool SetProfileValue(ProfileSettings& profile, int pair, const std::wstring& value);
// The value as a decimal number; text that is not a number counts as 0.
long ProfileNumber(const ProfileSettings& profile, int pair);
void SetProfileNumber(ProfileSettings& profile, int pair, long value);

// What command 0x09 carries for "LiftDetectionHeight": 1 stays 1, anything else is 2.
std::uint8_t LiftDetectionHeightCode(const ProfileSettings& profile);

// The number at the start of the text (leading blanks and a sign allowed), 0 when none.
long ParseDecimal(const std::wstring& text);

} // namespace ferrox
