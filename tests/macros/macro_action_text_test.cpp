// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "macros/macro_action_text.h"

#include <gtest/gtest.h>

namespace ferrox {
namespace {

TEST(MacroActionText, RowTexts) {
    const struct {
        MacroAction action;
        std::wstring text;
    } cases[] = {
        {MacroAction::MakeDelay(100), L"100ms"},
        {{0x00, 0x01, 0x00, 0x00}, L"65536ms"},
        {{0xE5, 0, 0, 5}, L"Move Right 5"},
        {{0xE5, 0, 0, 0x80}, L"Move Left 128"},
        {{0xE6, 0, 0, 127}, L"Move Down 127"},
        {{0xE6, 0, 0, 0xFF}, L"Move Up 1"},
        {{0xE7, 0, 0, 1}, L"Wheel Down 1"},
        {{0xE7, 0, 0, 0xFE}, L"Wheel Up 2"},
        {{0x41, 0x80, 0, 0}, L"A"},
        {{0xE0, 0x00, 0, 0}, L"L Key"},
        {{0xF0, 0x00, 0, 0}, L"Undefined"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MacroActionText(c.action), c.text);
}

TEST(MacroActionText, AllActionValue) {
    MacroActionSlots slots{};
    slots[0] = {0x43, 0x00, 0x00, 0x00};
    slots[1] = {0x03, 0x00, 0x00, 0x32};
    slots[335] = {0xAB, 0xCD, 0xEF, 0x01};
    const std::wstring text = FormatMacroActions(slots);
    ASSERT_EQ(text.size(), 2688u);
    EXPECT_EQ(text.substr(0, 16), L"4300000003000032");
    EXPECT_EQ(text.substr(2680), L"ABCDEF01");

    MacroActionSlots back{};
    ASSERT_TRUE(ParseMacroActions(text, back));
    EXPECT_EQ(back, slots);
    EXPECT_FALSE(ParseMacroActions(text.substr(1), back));
    EXPECT_FALSE(ParseMacroActions(text + L"0", back));

    // Damaged digits read like the runtime's hex conversion: leading hex digits only.
    std::wstring damaged = text;
    damaged.replace(0, 8, L"4zx1ab?C");
    ASSERT_TRUE(ParseMacroActions(damaged, back));
    EXPECT_EQ(back[0], (MacroAction{0x04, 0x00, 0xAB, 0x00}));
}

} // namespace
} // namespace ferrox
