// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/config_table.h"
#include "settings/dpi_table.h"
#include "settings/profile_settings.h"

#include <gtest/gtest.h>

namespace ferrox {
namespace {

struct SensorCase {
    SensorIdValue sensor;
    std::size_t count;
    unsigned firstDpi, lastDpi;
    std::uint16_t firstCode;
    bool longTable;
    // One entry in the middle of the table that shows the runs join correctly.
    std::size_t probeIndex;
    unsigned probeDpi;
};

TEST(DpiStepTable, EveryKnownSensor) {
    const SensorCase cases[] = {
        {0x3104, 48, 100, 8000, 0, false, 41, 4800},
        {0x3212, 42, 200, 4800, 1, false, 23, 3000},
        {0x3325, 59, 200, 10000, 1, false, 51, 6400},
        {0x3327, 74, 200, 12400, 1, false, 61, 6500},
        {0x3335, 160, 100, 16000, 0, true, 99, 10000},
        {0x3360, 121, 100, 24000, 0, true, 119, 12000},
        {0x3370, 290, 50, 19000, 0, true, 200, 10100},
        {0x3389, 160, 100, 16000, 0, true, 15, 1600},
        {0x3395, 520, 50, 26000, 0, true, 519, 26000},
        {0x3399, 400, 50, 20000, 0, true, 7, 400},
    };
    for (const SensorCase& c : cases) {
        SCOPED_TRACE(c.sensor);
        auto table = MakeDpiStepTable(c.sensor);
        ASSERT_TRUE(table);
        EXPECT_EQ(table->count, c.count);
        EXPECT_EQ(table->entries[0].Dpi(), c.firstDpi);
        EXPECT_EQ(table->entries[c.count - 1].Dpi(), c.lastDpi);
        EXPECT_EQ(table->entries[c.probeIndex].Dpi(), c.probeDpi);
        EXPECT_EQ(table->entries[0].code, c.firstCode);
        EXPECT_EQ(table->entries[c.count - 1].code, c.firstCode + c.count - 1);
        EXPECT_EQ(table->longTable, c.longTable);
        EXPECT_FALSE(table->At(c.count));
    }
}

TEST(DpiStepTable, UnknownSensorChangesNothing) {
    SensorId = 0x3360;
    ASSERT_TRUE(BuildDpiStepTable());
    ProfileSettings profile;
    ResetProfile(profile, 0);
    auto steps = profile.dpiStep;

    SensorId = 0x1234;
    EXPECT_FALSE(BuildDpiStepTable());
    EXPECT_EQ(DpiSteps.count, 121u);
    profile.dpiColour[0] = 0;
    ResetDpiDefaults(profile);
    EXPECT_EQ(profile.dpiStep, steps);
    EXPECT_EQ(profile.dpiColour[0], 0x000000FFu);
    SensorId = 0x3325;
}

TEST(DpiStepTable, DefaultLevelsMayPointPastTheTable) {
    SensorId = 0x3104;
    ASSERT_TRUE(BuildDpiStepTable());
    ProfileSettings profile;
    ResetProfile(profile, 0);
    EXPECT_EQ(profile.dpiStep[6], 58);
    EXPECT_EQ(profile.dpiStep[7], 50);
    EXPECT_FALSE(DpiSteps.At(profile.dpiStep[6]));
    EXPECT_EQ(DpiSteps.At(profile.dpiStep[5])->Dpi(), 4800u);
    SensorId = 0x3325;
    BuildDpiStepTable();
}

TEST(ProfileSettings, DefaultsAndColourLayout) {
    ProfileSettings profile;
    ResetProfile(profile, 7);
    EXPECT_EQ(ProfileValue(profile, ProfileKey::ProfileName), L"Profile8");
    EXPECT_EQ(ProfileKeyName(profile, ProfileKey::KeyDebounce), L"KeyDebounce");
    EXPECT_EQ(ProfileNumber(profile, ProfileKey::KeyDebounce), 12);
    EXPECT_EQ(profile.dpiColour[0], 0x000000FFu); // red in the low byte
    EXPECT_EQ(profile.lighting.colour[6][5], 0x00FA00FAu);
    EXPECT_EQ(profile.lighting.colour[6][7], 0x00FF46FAu);
    EXPECT_EQ(profile.lighting.brightness[3], 3);
    EXPECT_EQ(profile.keys[3].function, (ButtonFunction{0x10, 0x10, 0}));
    EXPECT_EQ(profile.keys[6].function, (ButtonFunction{0x40, 0x03, 0}));
    EXPECT_EQ(profile.reportRate.name, L"500HZ");
    EXPECT_EQ(profile.dpiStep, (std::array<std::uint16_t, 8>{10, 22, 30, 46, 52, 58, 58, 50}));
}

TEST(ProfileSettings, AccessorsStayInRange) {
    ProfileSettings profile;
    ResetProfile(profile, 0);
    EXPECT_EQ(KeySlotAt(profile, 6), &profile.keys[6]);
    EXPECT_EQ(KeySlotAt(profile, 7), nullptr);
    EXPECT_EQ(ProfileKeyName(profile, 20), L"");
    EXPECT_EQ(ProfileValue(profile, -1), L"");
    EXPECT_FALSE(SetProfileValue(profile, 20, L"x"));

    const std::pair<const wchar_t*, std::uint8_t> lift[] = {{L"0", 2}, {L"1", 1},   {L"2", 2},
                                                            {L"5", 2}, {L"abc", 2}, {L" 1", 1}};
    for (auto [text, code] : lift) {
        SetProfileValue(profile, ProfileKey::LiftDetectionHeight, text);
        EXPECT_EQ(LiftDetectionHeightCode(profile), code) << std::wstring(text).size();
    }
}

TEST(ConfigTable, HexValuesAndSensorCheck) {
    EXPECT_EQ(FormatSensorHex(0x3325), L"0x3325");
    EXPECT_EQ(FormatSensorHex(0x0ABC), L"0x ABC");
    const std::pair<const wchar_t*, unsigned long> hex[] = {
        {L"0x3325", 0x3325}, {L"0x ABC", 0xABC}, {L"0xcc9f", 0xCC9F},
        {L"zz", 0},          {L"", 0},           {L"0xFFFFFFFF", 0xFFFFFFFF}};
    for (auto [text, value] : hex)
        EXPECT_EQ(ParseHex(text), value);
    SetSensor(0x3360);
    EXPECT_EQ(ConfigValue(ConfigKey::PreST), L"0xCC9F");
    EXPECT_EQ(ConfiguredSensor(), 0x3360);
    SetSensor(0x3325);
}

TEST(ConfigTable, CurrentSlotAndBarListAreKeptInRange) {
    FillConfigDefaults();
    SetConfigValue(ConfigKey::CurrentProfile, L"9");
    EXPECT_EQ(CurrentSlot(), 0);
    SetCurrentSlot(3);
    EXPECT_EQ(CurrentSlot(), 3);
    EXPECT_EQ(&CurrentProfile(), &Profiles[3]);

    struct BarCase {
        std::array<const wchar_t*, 6> values; // count, list 0..4
        ProfileBarList bar;
    };
    const BarCase cases[] = {
        {{L"3", L"0", L"1", L"2", L"3", L"4"}, {3, {0, 1, 2, 3, 4}}},
        {{L"9", L"4", L"3", L"2", L"1", L"0"}, {5, {4, 3, 2, 1, 0}}},
        {{L"-1", L"2", L"2", L"7", L"x", L"0"}, {0, {2, 0, 1, 3, 4}}},
    };
    for (const BarCase& c : cases) {
        SetConfigValue(ConfigKey::ProfileShowCount, c.values[0]);
        for (int pos = 0; pos < 5; ++pos)
            SetConfigValue(ConfigKey::ProfileShowList0 + pos, c.values[pos + 1]);
        EXPECT_EQ(ReadProfileBar(), c.bar);
    }
}

} // namespace
} // namespace ferrox
