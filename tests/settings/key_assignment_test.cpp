// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/language_table.h"
#include "settings/key_assignment.h"
#include "settings/settings_fixture.h"

namespace ferrox {
namespace {

class KeyAssignmentTest : public test::SettingsStores {
protected:
    void SetUp() override {
        test::SettingsStores::SetUp();
        FillConfigDefaults();
        SetCurrentSlot(1);
        LanguageTable[20] = L"Left button";
    }
    void TearDown() override { LanguageTable = {}; }
};

TEST_F(KeyAssignmentTest, AssignsOnTheCurrentProfileOnly) {
    SetKeyFunction(2015, L"Mute", {0x80, 0xE2, 0x00});
    EXPECT_EQ(Profiles[1].keys[2].function, (ButtonFunction{0x80, 0xE2, 0x00}));
    EXPECT_EQ(Profiles[1].keys[2].name, L"Mute");
    EXPECT_EQ(Profiles[0].keys[2].function, (ButtonFunction{0x10, 0x04, 0x00}));

    const auto before = Profiles[1].keys;
    SetKeyFunction(2020, L"Mute", {0x80, 0xE2, 0x00});
    SetKeyFunction(2021, L"Mute", {0x80, 0xE2, 0x00});
    EXPECT_EQ(Profiles[1].keys[6].function, before[6].function);
    EXPECT_EQ(Profiles[1].keys[0].function, before[0].function);
}

TEST_F(KeyAssignmentTest, LeftClickIsNeverLost) {
    // Another slot still clicks left: the assignment stands and goes to the mouse.
    SetKeyFunction(2014, L"Left", LeftClickFunction);
    SetKeyFunction(2013, L"Right", {0x10, 0x02, 0x00});
    LeftClickCheck check = EnsureLeftClick(2013);
    EXPECT_FALSE(check.restored);
    EXPECT_EQ(Profiles[1].keys[0].function, (ButtonFunction{0x10, 0x02, 0x00}));

    // The last left click is taken away: it comes back on the same button.
    SetKeyFunction(2014, L"Mute", {0x80, 0xE2, 0x00});
    check = EnsureLeftClick(2014);
    EXPECT_TRUE(check.restored);
    EXPECT_EQ(check.buttonText, L"Left button");
    EXPECT_EQ(Profiles[1].keys[1].function, LeftClickFunction);
    EXPECT_EQ(Profiles[1].keys[1].name, L"Left button");

    // 10 01 07 counts as a left click.
    SetKeyFunction(2014, L"odd", {0x10, 0x01, 0x07});
    SetKeyFunction(2013, L"Mute", {0x80, 0xE2, 0x00});
    EXPECT_FALSE(EnsureLeftClick(2013).restored);
}

TEST_F(KeyAssignmentTest, ButtonWithoutSlotOnlyGetsItsText) {
    for (int id = 2013; id <= 2019; ++id)
        SetKeyFunction(id, L"Mute", {0x80, 0xE2, 0x00});
    const auto before = Profiles[1].keys;
    LeftClickCheck check = EnsureLeftClick(2020);
    EXPECT_TRUE(check.restored);
    EXPECT_EQ(check.buttonText, L"Left button");
    for (int k = 0; k < KeySlotCount; ++k)
        EXPECT_EQ(Profiles[1].keys[k].function, before[k].function);
}

} // namespace
} // namespace ferrox
