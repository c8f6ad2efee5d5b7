// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "macros/macro_types.h"

#include <gtest/gtest.h>

namespace ferrox {
namespace {

MacroAction Key(std::uint8_t code) {
    return MacroAction::MakeKey(code, false);
}

MacroKey WithActions(std::uint32_t count) {
    MacroKey key(L"m");
    for (std::uint32_t i = 0; i < count; ++i)
        EXPECT_TRUE(key.InsertAction(i, Key(std::uint8_t(0x10 + i % 200))));
    return key;
}

TEST(MacroAction, WordAndDelayLayout) {
    MacroAction a = MacroAction::MakeDelay(0x012345);
    EXPECT_EQ(a, (MacroAction{3, 0x01, 0x23, 0x45}));
    EXPECT_EQ(a.Word(), 0x45230103u);
    EXPECT_EQ(MacroAction::FromWord(a.Word()), a);
    EXPECT_EQ(a.DelayMs(), 0x012345u);
    // Any code below 8 reads as a delay, not only the 3 that producers write.
    EXPECT_TRUE((MacroAction{0, 0, 0, 5}).IsDelay());
    EXPECT_TRUE((MacroAction{7, 0, 0, 5}).IsDelay());
    EXPECT_FALSE((MacroAction{8, 0, 0, 5}).IsDelay());
    EXPECT_EQ(MacroDefaultInsertedDelay, (MacroAction{3, 0, 0, 0x64}));
    EXPECT_EQ(MacroPairDelay, (MacroAction{3, 0, 0, 0x32}));
}

TEST(MacroKey, NewMacroDefaults) {
    MacroKey key(L"Copy");
    EXPECT_EQ(key.name, L"Copy");
    EXPECT_EQ(key.MacroKeyIndex, 0);
    EXPECT_EQ(key.MacroActionNum, 0u);
    EXPECT_EQ(key.MacroKeyLoopType, 2);
    EXPECT_EQ(key.MacroKeyLoopNum, 1);
    EXPECT_EQ(key.MacroCommandActionNum, 0);
    for (const MacroAction& a : key.actions)
        EXPECT_EQ(a.Word(), 0u);
}

TEST(MacroKey, GetAndSetAction) {
    MacroKey key = WithActions(2);
    EXPECT_EQ(key.GetAction(1), Key(0x11));
    EXPECT_EQ(key.GetAction(336), key.GetAction(0));
    EXPECT_TRUE(key.SetAction(335, Key(0x41)));
    EXPECT_EQ(key.actions[335], Key(0x41));
    EXPECT_EQ(key.MacroActionNum, 2u);
    EXPECT_FALSE(key.SetAction(336, Key(0x42)));
}

TEST(MacroKey, InsertClampsToTheEndAndShifts) {
    MacroKey key = WithActions(3); // 10 11 12
    EXPECT_TRUE(key.InsertAction(100, Key(0x50)));
    EXPECT_TRUE(key.InsertAction(1, Key(0x51)));
    EXPECT_EQ(key.MacroActionNum, 5u);
    const std::uint8_t expected[] = {0x10, 0x51, 0x11, 0x12, 0x50};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(key.actions[i].b0, expected[i]) << i;
    EXPECT_EQ(key.actions[5].Word(), 0u);
}

TEST(MacroKey, FullMacroRefusesInsertUnchanged) {
    MacroKey key = WithActions(336);
    const MacroKey before = key;
    EXPECT_FALSE(key.InsertAction(0, Key(0x41)));
    EXPECT_EQ(key, before);
}

TEST(MacroKey, DeleteShiftsDownAndZeroesTheLastSlot) {
    MacroKey key = WithActions(336);
    EXPECT_TRUE(key.DeleteAction(0));
    EXPECT_EQ(key.MacroActionNum, 335u);
    EXPECT_EQ(key.actions[0].b0, 0x11);
    EXPECT_EQ(key.actions[335].Word(), 0u);
    EXPECT_FALSE(key.DeleteAction(335));

    MacroKey one = WithActions(1);
    one.actions[5] = Key(0x99); // stale slot beyond the count
    EXPECT_TRUE(one.DeleteAction(0));
    EXPECT_EQ(one.MacroActionNum, 0u);
    EXPECT_EQ(one.actions[0].Word(), 0u);
    EXPECT_EQ(one.actions[4], Key(0x99)); // stale slots move down with the rest
}

TEST(MacroKey, CorruptCountNeverIndexesPastTheSlots) {
    MacroKey key = WithActions(2);
    key.MacroActionNum = 1000;
    EXPECT_FALSE(key.InsertAction(0, Key(0x41)));
    EXPECT_FALSE(key.DeleteAction(500));
}

} // namespace
} // namespace ferrox
