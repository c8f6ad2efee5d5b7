// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/language_table.h"
#include "settings/dpi_table.h"
#include "settings/profile_settings.h"

#include <cwchar>

namespace ferrox {

namespace {

constexpr int FirstProfileNameText = 85;
constexpr int LightingNameText = 100;

struct PairDefault {
    const wchar_t* key;
    const wchar_t* value; // nullptr: the profile name
};

constexpr std::array<PairDefault, ProfileKeyCount> PairDefaults = {{
    {L"ProfileName", nullptr},
    {L"GameFile0", L""},
    {L"GameFile1", L""},
    {L"GameFile2", L""},
    {L"DoubleClickSpeed", L"6"},
    {L"PointerSpeed", L"5"},
    {L"AccelerationEnable", L"1"},
    {L"ScrollWheelSpeed", L"2"},
    {L"ScrollWheelPageEnable", L"0"},
    {L"TiltSpeed", L"2"},
    {L"Sensitivity_X", L"4"},
    {L"Sensitivity_Y", L"4"},
    {L"XYSynchronous", L"1"},
    {L"X_DPI", L"1"},
    {L"Y_DPI", L"1"},
    {L"MoveLightingOnOffMode", L"0"},
    {L"PowerDownTime", L"6"},
    {L"LiftDetectionHeight", L"2"},
    {L"KeyDebounce", L"12"},
    {L"MotionWakeup", L"1"},
}};

struct ModeColours {
    int mode;
    std::array<std::uint32_t, LightingColourSlots> rrggbb;
    int used;
};

constexpr std::array<ModeColours, 4> DefaultModeColours = {{
    {2, {0xFF0000, 0x00FF00, 0x0000FF, 0x00FFFF, 0xFFFF00, 0xFF00FF, 0xFFFFFF}, 7},
    {3, {0xFF00FF}, 1},
    {6, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF, 0xFA00FA, 0xFFFFFF, 0xFA46FF}, 8},
    {7, {0x00FF00, 0xFA006A}, 2},
}};

constexpr std::array<std::uint32_t, DpiLevelCount> DefaultDpiColours = {
    0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0xFFFFFF, 0xFFFFFF};

std::wstring DefaultProfileName(unsigned index) {
    if (index < ProfileCount)
        return LanguageText(FirstProfileNameText + static_cast<int>(index));
    wchar_t name[32];
    std::swprintf(name, 32, L"Profile%u", index + 1);
    return name;
}

void ResetLighting(LightingSettings& lighting) {
    lighting = LightingSettings{};
    lighting.name = LanguageText(LightingNameText);
    lighting.speed.fill(1);
    lighting.brightness.fill(1);
    lighting.brightness[3] = 3;
    lighting.direction[1] = 1;
    for (const ModeColours& mode : DefaultModeColours) {
        for (int slot = 0; slot < mode.used; ++slot) {
            lighting.colourSelected[mode.mode][slot] = 1;
            lighting.colour[mode.mode][slot] = ColourFromHex(mode.rrggbb[slot]);
        }
    }
}

void ResetKeys(KeyTable& keys) {
    for (int k = 0; k < KeySlotCount; ++k) {
        keys[k] = KeySlot{};
        keys[k].name = LanguageText(KeyDefaults[k].textIndex);
        keys[k].function = KeyDefaults[k].function;
    }
}

} // namespace

std::array<ProfileSettings, ProfileCount> Profiles;

void ResetProfile(ProfileSettings& profile, unsigned index) {
    for (int pair = 0; pair < ProfileKeyCount; ++pair) {
        profile.profileKeys[pair].key = PairDefaults[pair].key;
        profile.profileKeys[pair].value =
            PairDefaults[pair].value ? PairDefaults[pair].value : DefaultProfileName(index);
    }
    ResetKeys(profile.keys);
    profile.reportRate = ReportRateSettings{L"500HZ", 2, {0, 0}};
    ResetLighting(profile.lighting);
    profile.lighting2 = Lighting2Settings{};
    profile.lighting2.name = profile.lighting.name;
    ResetDpiDefaults(profile);
}

void ResetDpiDefaults(ProfileSettings& profile) {
    profile.dpiEnableMask = 0x3F;
    if (auto steps = DefaultDpiSteps(SensorId))
        profile.dpiStep = *steps;
    profile.currentDpiLevel = 1;
    for (int level = 0; level < DpiLevelCount; ++level)
        profile.dpiColour[level] = ColourFromHex(DefaultDpiColours[level]);
    profile.angleSnap = 0;
    profile.liftDetection = 2;
}

} // namespace ferrox
