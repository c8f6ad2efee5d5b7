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
    EXPECT_EQ(ChosenFunctionName({0x70, 0x0A, 0x00}), L"Shift+Super");
    EXPECT_EQ(ChosenFunctionName({0x70, 0x00, 0x04}), L"A");
    EXPECT_EQ(ChosenFunctionName({0x2A, 0x00, 0x00}), L"2A0000");
    // Esc shares its usage with a code that has no name.
    EXPECT_EQ(ChosenFunctionName({0x70, 0x05, 0x29}), L"Ctrl+Alt+Esc");
    EXPECT_EQ(ShortcutName(0x0F, L"F5"), L"Ctrl+Shift+Alt+Super+F5");
    EXPECT_EQ(ShortcutName(0x08, L""), L"Super");
}

// Profiles written in one language are shown in another: fixed functions by their code, the
// names the program composes composed again, the user's names as stored.
TEST(FunctionNames, SlotsAreNamedInTheLanguageShown) {
    LanguageTexts russian;
    russian[20] = L"Левая кнопка";
    russian[26] = L"Автоклик+";
    russian[27] = L"Тройной клик";
    russian[34] = L"Отключить";
    russian[36] = L"Фиксация DPI";
    russian[40] = L"DPI вверх";
    russian[60] = L"Копировать";
    russian[77] = L"Рабочий стол";
    struct Case {
        ButtonFunction function;
        const wchar_t* stored;
        const wchar_t* shown;
    };
    const Case cases[] = {
        {{0x10, 0x01, 0x00}, L"Left Click", L"Левая кнопка"},
        {{0x40, 0x02, 0x00}, L"DPI+", L"DPI вверх"},
        {{0x00, 0x00, 0x00}, L"Disable", L"Отключить"},
        {{0x50, 0x07, 0x00}, L"DPI Lock-800", L"Фиксация DPI-800"},
        {{0x30, 0x0A, 0x02}, L"Fire Key", L"Автоклик"}, // the fire key dialog's code
        {{0x30, 0x32, 0x03}, L"Triple Click", L"Тройной клик"},
        {{0x70, 0x01, 0x06}, L"Copy", L"Копировать"},     // the office menu's Ctrl+C
        {{0x70, 0x01, 0x06}, L"Ctrl+C", L"Ctrl+C"},       // Ctrl+C from the shortcut dialog
        {{0x70, 0x08, 0x07}, L"Show Desktop", L"Рабочий стол"},
        {{0x70, 0x08, 0x08}, L"Win+E", L"Super+E"},       // stored before Super
        {{0x70, 0x05, 0x29}, L"Ctrl+Alt+Esc", L"Ctrl+Alt+Esc"},
        {{0x70, 0x03, 0x3E}, L"", L"Ctrl+Shift+F5"},
        {{0x90, 0x21, 0x01}, L"Macro:Burst", L"Macro:Burst"}, // typed by the user
        {{0x2A, 0x00, 0x00}, L"Odd", L"Odd"},                 // no chooser makes it
    };
    for (const Case& c : cases) {
        KeySlot slot;
        slot.name = c.stored;
        slot.function = c.function;
        EXPECT_EQ(SlotDisplayName(slot, russian), c.shown) << FormatFunction(c.function).c_str();
    }
}

} // namespace
} // namespace ferrox
