// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Which codes the user can choose, and the names the menus and dialogs give them.

#include "buttons/function_names.h"

#include <gtest/gtest.h>

namespace ferrox {
namespace {

TEST(FunctionNames, OnlyCodesAMenuOrDialogProduces) {
    struct Case {
        ButtonFunction function;
        bool choosable;
    };
    const Case cases[] = {
        {{0x00, 0x00, 0x00}, true},  // disabled
        {{0x10, 0x10, 0x00}, true},  // button 5
        {{0x10, 0x20, 0x00}, false}, // no such button
        {{0x2A, 0x00, 0x00}, false}, // no such category
        {{0x30, 0x05, 0xFF}, true},  // fire key dialog, smallest first value
        {{0x30, 0x01, 0x00}, false}, // first value below 5
        {{0x40, 0x03, 0x00}, true},
        {{0x40, 0x04, 0x00}, false},
        {{0x50, 0x0B, 0x00}, true}, // DPI lock 1200
        {{0x50, 0x0C, 0x00}, false},
        {{0x60, 0x04, 0x00}, true},
        {{0x60, 0x01, 0x00}, false},
        {{0x70, 0x0F, 0x3E}, true},  // Ctrl+Shift+Alt+Win+F5
        {{0x70, 0x0A, 0x00}, true},  // modifiers without a key
        {{0x70, 0x10, 0x04}, false}, // a modifier bit the dialog has no box for
        {{0x70, 0x00, 0x28}, false}, // Enter ends the shortcut dialog instead
        {{0x80, 0xE9, 0x00}, true},
        {{0x80, 0x01, 0x00}, false},
        {{0x90, 0x21, 0x01}, false}, // macros are chosen by name
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsChoosableFunction(c.function), c.choosable) << FormatFunction(c.function).c_str();
    }
}

TEST(FunctionNames, KeyCombinationsReadAsTheShortcutDialogWritesThem) {
    EXPECT_EQ(ChosenFunctionName({0x70, 0x03, 0x3E}), L"Ctrl+Shift+F5");
    EXPECT_EQ(ChosenFunctionName({0x70, 0x0A, 0x00}), L"Shift+Win");
    EXPECT_EQ(ChosenFunctionName({0x70, 0x00, 0x04}), L"A");
    EXPECT_EQ(ChosenFunctionName({0x2A, 0x00, 0x00}), L"2A0000");
}

} // namespace
} // namespace ferrox
