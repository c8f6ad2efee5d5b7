// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The active DPI level as a position among the enabled levels, and the step for a typed DPI.

#include "settings/dpi_levels.h"
#include "settings/dpi_table.h"

#include <gtest/gtest.h>

namespace ferrox {
namespace {

ProfileSettings WithLevels(std::uint8_t mask, std::uint8_t position) {
    ProfileSettings p;
    p.dpiEnableMask = mask;
    p.currentDpiLevel = position;
    return p;
}

TEST(DpiLevels, PositionAndIndexConvertBothWays) {
    EXPECT_EQ(DpiLevelPosition(0x85, 7), 2);
    EXPECT_EQ(DpiLevelPosition(0x85, 1), std::nullopt);
    EXPECT_EQ(DpiLevelAtPosition(0x85, 2), 7);
    EXPECT_EQ(DpiLevelAtPosition(0x85, 3), std::nullopt);
    EXPECT_EQ(ActiveDpiLevel(WithLevels(0x3F, 1)), 1);
    EXPECT_EQ(ActiveDpiLevel(WithLevels(0x01, 7)), std::nullopt) << "a damaged file";
    EXPECT_EQ(ActiveDpiLevel(WithLevels(0x00, 0)), std::nullopt);
}

TEST(DpiLevels, TheActiveLevelFollowsMaskChanges) {
    struct Case {
        std::uint8_t mask, position, newMask, expected;
    };
    const Case cases[] = {
        {0x0D, 2, 0x09, 1}, // levels 0, 2, 3 with 3 active; 2 off: level 3 stays active
        {0x0D, 2, 0x0F, 3}, // level 1 on below the active one
        {0x0D, 0, 0x2D, 0}, // level 5 on above it
        {0x0D, 1, 0x09, 0}, // the active level 2 off: level 0 below it
        {0x0D, 0, 0x0C, 0}, // the active level 0 off: nothing below, the lowest enabled
        {0x3F, 1, 0x85, 0}, // defaults to levels 0, 2, 7
        {0x3F, 1, 0x01, 0},
        {0x01, 7, 0x03, 0}, // no active level at all: the lowest enabled
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DpiPositionAfterMaskChange(c.mask, c.position, c.newMask), c.expected)
            << int(c.mask) << " " << int(c.position) << " " << int(c.newMask);
    }
}

TEST(DpiLevels, TheLastLevelStaysAndDisabledLevelsCannotBeActive) {
    ProfileSettings p = WithLevels(0x04, 0);
    EXPECT_FALSE(SetDpiLevelEnabled(p, 2, false));
    EXPECT_FALSE(SetDpiEnableMask(p, 0));
    EXPECT_EQ(p.dpiEnableMask, 0x04);
    EXPECT_TRUE(SetDpiLevelEnabled(p, 0, true));
    EXPECT_EQ(p.currentDpiLevel, 1) << "level 2 is still the active one";
    EXPECT_FALSE(SetActiveDpiLevel(p, 5));
    EXPECT_TRUE(SetActiveDpiLevel(p, 0));
    EXPECT_EQ(p.currentDpiLevel, 0);
}

TEST(DpiLevels, TypedValuesTakeTheDialogsStep) {
    const auto table = MakeDpiStepTable(0x3335); // 100..16000 step 100
    ASSERT_TRUE(table);
    EXPECT_EQ(table->StepForDpi(150), 1);
    EXPECT_EQ(table->StepForDpi(0), 0);
    EXPECT_EQ(table->StepForDpi(99999), 159);
    EXPECT_EQ(DpiStepTable{}.StepForDpi(800), std::nullopt) << "an unknown sensor";
    EXPECT_EQ(DpiStepTable{}.At(0), std::nullopt);
}

} // namespace
} // namespace ferrox
