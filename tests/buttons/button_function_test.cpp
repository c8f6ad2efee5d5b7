// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/function_presets.h"
#include "buttons/key_slot.h"
#include "buttons/macro_link.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace ferrox {
namespace {

TEST(ButtonFunction, WrittenAsSixUpperCaseDigits) {
    EXPECT_EQ(FormatFunction(LeftClickFunction), L"100100");
    EXPECT_EQ(FormatFunction({0x80, 0xEA, 0x00}), L"80EA00");
    EXPECT_EQ(FormatFunction({0x9F, 0xAB, 0xFF}), L"9FABFF");
}

TEST(ButtonFunction, LeftClickIgnoresParam2) {
    EXPECT_TRUE((ButtonFunction{0x10, 0x01, 0x07}).IsLeftClick());
    EXPECT_FALSE((ButtonFunction{0x10, 0x03, 0x00}).IsLeftClick());
    EXPECT_FALSE((ButtonFunction{0x70, 0x01, 0x00}).IsLeftClick());
    KeyTable keys;
    keys[2].function = {0x10, 0x01, 0x07};
    keys[5].function = LeftClickFunction;
    EXPECT_EQ(CountLeftClicks(keys), 2);
}

TEST(FunctionPresets, CodesTheMenusOffer) {
    struct Case {
        const char* name;
        int textIndex;
        ButtonFunction function;
        int expectedText;
        ButtonFunction expected;
    };
    const Case cases[] = {
        {"menu fire key",
         FunctionMenuPresets[7].textIndex,
         FunctionMenuPresets[7].function,
         27,
         {0x30, 0x32, 0x03}},
        {"menu 60",
         FunctionMenuPresets[13].textIndex,
         FunctionMenuPresets[13].function,
         33,
         {0x60, 0x04, 0x00}},
        {"menu disabled",
         FunctionMenuPresets[15].textIndex,
         FunctionMenuPresets[15].function,
         34,
         {0, 0, 0}},
        {"dpi switch 3",
         DpiSwitchPresets[2].textIndex,
         DpiSwitchPresets[2].function,
         42,
         {0x40, 0x01, 0x00}},
        {"media player",
         MultimediaPresets[0].textIndex,
         MultimediaPresets[0].function,
         45,
         {0x80, 0x83, 0x01}},
        {"calculator",
         MultimediaPresets[9].textIndex,
         MultimediaPresets[9].function,
         54,
         {0x80, 0x92, 0x01}},
        {"explorer", OfficePresets[7].textIndex, OfficePresets[7].function, 67, {0x70, 0x08, 0x08}},
        {"undo", OfficePresets[8].textIndex, OfficePresets[8].function, 68, {0x70, 0x01, 0x1D}},
        {"browser",
         WindowsPresets[0].textIndex,
         WindowsPresets[0].function,
         75,
         {0x80, 0x94, 0x01}},
        {"alt f4", WindowsPresets[1].textIndex, WindowsPresets[1].function, 76, {0x70, 0x04, 0x3D}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.textIndex, c.expectedText);
        EXPECT_EQ(c.function, c.expected);
    }
    EXPECT_EQ(FunctionMenuPresets[14].action, PresetAction::DpiLockSubmenu);
    EXPECT_EQ(FunctionMenuPresets[5].action, PresetAction::DpiSubmenu);
    // Entry 7 of the DPI lock menu is "800": 100 + 100 * 7.
    EXPECT_EQ(std::wstring(DpiLockLabels[6]), L"800");
    EXPECT_EQ(DpiLockFunction(7), (ButtonFunction{0x50, 0x07, 0x00}));
    for (int entry = 1; entry <= 11; ++entry)
        EXPECT_EQ(std::stoi(DpiLockLabels[entry - 1]), 100 + 100 * entry);
}

TEST(KeySlot, MacroAssignmentCopiesAndOtherAssignmentsKeepTheIndex) {
    MacroKey source(L"combo");
    source.MacroKeyIndex = 42;
    source.MacroKeyLoopType = MacroLoopType::Mode4;
    source.MacroKeyLoopNum = 9;
    source.MacroCommandActionNum = 3;
    source.MacroActionNum = 3;
    source.actions[0] = MacroAction::MakeKey(0x41, false);
    source.actions[1] = MacroAction::MakeDelay(20);
    source.actions[2] = MacroAction::MakeKey(0x41, true);
    source.actions[3] = MacroAction{0xEE, 0, 0, 0}; // not a valid action: not copied

    KeySlot slot;
    slot.Assign(L"M: combo", {0x90, 0, 0}, &source);
    EXPECT_EQ(slot.name, L"M: combo");
    EXPECT_EQ(slot.macroKeyIndex, 42u);
    EXPECT_EQ(slot.macro.name, L"combo");
    EXPECT_EQ(slot.macro.MacroKeyIndex, 42);
    EXPECT_EQ(slot.macro.MacroKeyLoopType, MacroLoopType::Mode4);
    EXPECT_EQ(slot.macro.MacroKeyLoopNum, 9);
    EXPECT_EQ(slot.macro.MacroCommandActionNum, 3);
    EXPECT_EQ(slot.macro.MacroActionNum, 3u);
    EXPECT_EQ(slot.macro.actions[2], source.actions[2]);
    EXPECT_EQ(slot.macro.actions[3], MacroAction{});

    slot.Assign(L"Mute", {0x80, 0xE2, 0}, nullptr);
    EXPECT_EQ(slot.function, (ButtonFunction{0x80, 0xE2, 0}));
    EXPECT_EQ(slot.macroKeyIndex, 42u);
    EXPECT_EQ(slot.macro.MacroActionNum, 0u);
}

MacroKey MacroOfPresses(std::int32_t index, std::uint32_t count, std::uint8_t firstKey) {
    MacroKey macro(L"m" + std::to_wstring(index));
    macro.MacroKeyIndex = index;
    for (std::uint32_t i = 0; i < count; ++i)
        EXPECT_TRUE(macro.InsertAction(i, MacroAction::MakeKey(std::uint8_t(firstKey + i), false)));
    return macro;
}

// Every way a key's copy is filled again leaves exactly the macro's actions in it: a profile
// file writes all 336 slots, so anything beyond the count would be carried in every file.
TEST(KeySlot, TheCopyHoldsTheMacrosActionsAndZeroBeyondThem) {
    const MacroKey twelve = MacroOfPresses(3, 12, 0x41);
    const MacroKey seven = MacroOfPresses(4, 7, 0x61);
    const auto zeroFrom = [](const MacroKey& copy, std::uint32_t from) {
        return std::all_of(copy.actions.begin() + from, copy.actions.end(),
                           [](const MacroAction& a) { return a == MacroAction{}; });
    };
    struct Case {
        const char* what;
        std::function<void(KeySlot&)> fill;
        const MacroKey& expected;
    };
    const Case cases[] = {
        {"the same macro assigned three times",
         [&](KeySlot& s) {
             for (int i = 0; i < 3; ++i)
                 s.Assign(L"M", {0x90, 0, 0}, &twelve);
         },
         twelve},
        {"a shorter macro after a longer one",
         [&](KeySlot& s) {
             s.Assign(L"M", {0x90, 0, 0}, &twelve);
             s.Assign(L"M", {0x90, 1, 0}, &seven);
         },
         seven},
        {"refreshed from the library after the macro shrank",
         [&](KeySlot& s) {
             s.Assign(L"M", {0x90, 0, 0}, &twelve);
             MacroKey shrunk = seven;
             shrunk.MacroKeyIndex = twelve.MacroKeyIndex;
             RefreshMacroCopy(s, shrunk);
             RefreshMacroCopy(s, shrunk);
         },
         seven},
        {"refreshed over stale slots a profile file brought",
         [&](KeySlot& s) {
             s.macro.actions.fill(MacroAction::MakeKey(0x5A, true));
             s.macro.MacroActionNum = 2;
             RefreshMacroCopy(s, seven);
         },
         seven},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        KeySlot slot;
        c.fill(slot);
        ASSERT_EQ(slot.macro.MacroActionNum, c.expected.MacroActionNum);
        EXPECT_TRUE(std::equal(c.expected.actions.begin(),
                               c.expected.actions.begin() + c.expected.MacroActionNum,
                               slot.macro.actions.begin()));
        EXPECT_TRUE(zeroFrom(slot.macro, slot.macro.MacroActionNum));
    }
    KeySlot slot;
    slot.Assign(L"M", {0x90, 0, 0}, &twelve);
    slot.Assign(L"Mute", {0x80, 0xE2, 0}, nullptr);
    EXPECT_TRUE(zeroFrom(slot.macro, 0)) << "another function leaves no actions behind";
}

TEST(KeySlot, ButtonIdsAndDefaults) {
    EXPECT_EQ(SlotOfButton(2013), 0);
    EXPECT_EQ(SlotOfButton(2019), 6);
    EXPECT_EQ(SlotOfButton(2020), -1);
    EXPECT_EQ(SlotOfButton(2012), -1);
    EXPECT_EQ(KeyDefaults[3].function, (ButtonFunction{0x10, 0x10, 0x00}));
    EXPECT_EQ(KeyDefaults[4].function, (ButtonFunction{0x10, 0x08, 0x00}));
    EXPECT_EQ(KeyDefaults[5].textIndex, 40);
}

} // namespace
} // namespace ferrox
