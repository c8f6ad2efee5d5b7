// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "macros/macro_editing.h"

#include <gtest/gtest.h>

#include <vector>

namespace ferrox {
namespace {

using Kind = MacroInsertKind;

std::vector<MacroAction> Actions(const MacroKey& macro) {
    return {macro.actions.begin(), macro.actions.begin() + macro.MacroActionNum};
}

// A macro of `actions` key presses whose command count is set apart.
MacroKey Filled(std::uint32_t actions, std::uint8_t commands) {
    MacroKey macro(L"m");
    for (std::uint32_t i = 0; i < actions; ++i)
        EXPECT_TRUE(macro.InsertAction(i, MacroAction::MakeKey(0x41, i % 2 == 1)));
    macro.MacroCommandActionNum = commands;
    return macro;
}

TEST(MacroInsert, AClickIntoAnEmptyMacroIsPressPauseReleaseAndTwoCommands) {
    MacroKey macro(L"m");
    const std::uint32_t at = MacroInsertPosition(macro, -1);
    ASSERT_EQ(InsertReadyMade(macro, Kind::LeftClick, at), 3u);
    CommitMacroInsert(macro, Kind::LeftClick);
    EXPECT_EQ(Actions(macro), (std::vector<MacroAction>{{0xE0, 0, 0, 0}, {3, 0, 0, 0x32},
                                                        {0xE0, 0x80, 0, 0}}));
    EXPECT_EQ(macro.MacroCommandActionNum, 2);
    EXPECT_EQ(MacroRowAfterInsert(Kind::LeftClick, at), 2);
}

TEST(MacroInsert, GoesAfterTheSelectedRowAndACancelledEditLeavesNoTrace) {
    MacroKey macro = Filled(4, 4);
    const MacroKey before = macro;
    const std::uint32_t at = MacroInsertPosition(macro, 1);
    EXPECT_EQ(at, 2u);
    ASSERT_EQ(InsertReadyMade(macro, Kind::MoveUp, at), 1u);
    EXPECT_EQ(macro.GetAction(2), (MacroAction{0xE6, 0, 0, 0xFF}));
    RemoveMacroActions(macro, at, 1);
    EXPECT_EQ(macro, before);
    EXPECT_EQ(MacroInsertPosition(macro, 9), 4u) << "a row that is gone appends";
}

TEST(MacroInsert, LimitsOfCommandsAndActions) {
    struct Case {
        std::uint32_t actions;
        std::uint8_t commands;
        Kind kind;
        bool fits;
    };
    const Case cases[] = {
        {10, 166, Kind::LeftClick, true},  {10, 167, Kind::LeftClick, false},
        {10, 167, Kind::MoveLeft, true},   {10, 168, Kind::MoveRight, false},
        {10, 168, Kind::Delay, true},      // a delay needs a command only above 127 ms
        {333, 10, Kind::KeyPair, true},    {334, 10, Kind::KeyPair, false},
        {335, 10, Kind::MoveDown, true},   {336, 10, Kind::MoveDown, false},
        {336, 10, Kind::Delay, false},
    };
    for (const Case& c : cases) {
        MacroKey macro = Filled(c.actions, c.commands);
        EXPECT_EQ(MacroInsertFits(macro, c.kind, c.actions), c.fits)
            << c.actions << " actions, " << int(c.commands) << " commands, kind " << int(c.kind);
    }
}

TEST(MacroInsert, ADelayAfterADelayEditsTheOneThereEvenInAFullMacro) {
    MacroKey macro = Filled(335, 100);
    ASSERT_TRUE(macro.InsertAction(335, MacroAction::MakeDelay(40)));
    EXPECT_EQ(MacroDelayToEdit(macro, 336), 335);
    EXPECT_TRUE(MacroInsertFits(macro, Kind::Delay, 336));
    EXPECT_EQ(MacroDelayToEdit(macro, 335), -1);
}

TEST(MacroDelayEdit, CountsADelayAbove127AndRefusesToPassTheLimit) {
    struct Case {
        std::uint8_t count;
        std::uint32_t from, to;
        bool allowed;
        std::uint8_t after;
    };
    const Case cases[] = {
        {5, 100, 128, true, 6},   {5, 128, 127, true, 4}, {5, 200, 300, true, 5},
        {0, 300, 50, true, 0},    // a recorded delay never counted: no wrap to 255
        {168, 100, 500, false, 168}, {168, 500, 600, true, 168},
    };
    for (const Case& c : cases) {
        MacroKey macro(L"m");
        macro.MacroCommandActionNum = c.count;
        EXPECT_EQ(AdjustForDelayEdit(macro, c.from, c.to), c.allowed) << c.from << "->" << c.to;
        EXPECT_EQ(macro.MacroCommandActionNum, c.after) << c.from << "->" << c.to;
    }
}

TEST(MacroDeleteAction, SelectionFollowsAndTheLastActionLeavesNone) {
    MacroKey macro = Filled(3, 3);
    EXPECT_EQ(DeleteMacroActionAt(macro, 2), 1) << "the new last row";
    EXPECT_EQ(macro.MacroCommandActionNum, 2);
    ASSERT_TRUE(macro.InsertAction(0, MacroAction::MakeDelay(10)));
    EXPECT_EQ(DeleteMacroActionAt(macro, 0), 0) << "a delay counts no command";
    EXPECT_EQ(macro.MacroCommandActionNum, 2);
    EXPECT_EQ(DeleteMacroActionAt(macro, 5), -1) << "no such row: nothing happens";
    EXPECT_EQ(macro.MacroActionNum, 2u);
    EXPECT_EQ(DeleteMacroActionAt(macro, 1), 0);
    EXPECT_EQ(DeleteMacroActionAt(macro, 0), -1) << "the only action went";
    EXPECT_EQ(macro.MacroActionNum, 0u);
    EXPECT_EQ(macro.MacroCommandActionNum, 0);
}

TEST(MacroEditorValues, DelayMovementAndLoopCountFromTypedText) {
    EXPECT_EQ(DelayFromText(L"15300000"), 15'300'000u);
    EXPECT_EQ(MacroAction::MakeDelay(DelayFromText(L"99999999999999999999999")),
              (MacroAction{3, 0xE9, 0x75, 0xA0}));
    EXPECT_EQ(DelayFromText(L"-5"), 0u) << "no leading digits";
    EXPECT_EQ(DelayFromText(L""), 0u);
    EXPECT_EQ(DelayFromText(L"250ms"), 250u);
    EXPECT_EQ(MoveFromText(MacroMoveLeft, L"200"), (MacroAction{0xE5, 0, 0, 0x81}));
    EXPECT_EQ(MoveFromText(MacroMoveRight, L"0"), (MacroAction{0xE5, 0, 0, 1}));
    EXPECT_EQ(MoveFromText(MacroMoveUp, L"3"), (MacroAction{0xE6, 0, 0, 0xFD}));
    EXPECT_EQ(MoveFromText(MacroMoveDown, L"-5"), (MacroAction{0xE6, 0, 0, 1}));
    EXPECT_EQ(MoveDistance({0xE5, 0, 0, 0x81}), 127);
    EXPECT_EQ(LoopCountFromText(L"300"), 255);
    EXPECT_EQ(LoopCountFromText(L"0"), 1);
    EXPECT_EQ(LoopCountFromText(L"42"), 42);
}

TEST(MacroEditorValues, KeyCodesAndNames) {
    for (unsigned code : {0u, 3u, 7u, 0xE0u, 0xE7u, 0x100u})
        EXPECT_FALSE(IsRecordableKeyCode(code)) << code;
    for (unsigned code : {8u, 0x0Du, 0x1Bu, 0x41u, 0xA1u, 0xDFu, 0xE8u, 0xF0u})
        EXPECT_TRUE(IsRecordableKeyCode(code)) << code;
    EXPECT_FALSE(IsEditableKeyAction(MacroAction::MakeDelay(5)));
    EXPECT_FALSE(IsEditableKeyAction({0xE5, 0, 0, 1}));
    EXPECT_TRUE(IsEditableKeyAction(MacroAction::MakeKey(0x41, true)));
    EXPECT_EQ(CleanMacroName(L"Jump\n\tTwice"), L"JumpTwice");
    EXPECT_EQ(CleanMacroName(std::wstring(80, L'x')).size(), MacroNameMaxLength);
    EXPECT_TRUE(IsBlankMacroName(L"  "));
    EXPECT_FALSE(IsBlankMacroName(L" a"));
}

} // namespace
} // namespace ferrox
