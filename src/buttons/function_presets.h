// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed codes the function menus offer, in menu order. Names are LanguageTable texts
// unless a label is given.

#include "buttons/button_function.h"

#include <array>

namespace ferrox {

// What choosing a function menu entry does: assign its code, or open a submenu or dialog.
enum class PresetAction {
    Assign,
    DpiSubmenu,
    FireKeyDialog,
    MacroDialog,
    ShortcutDialog,
    MultimediaSubmenu,
    OfficeSubmenu,
    WindowsSubmenu,
    DpiLockSubmenu,
};

struct FunctionPreset {
    int textIndex;
    PresetAction action;
    ButtonFunction function; // Assign only
};

struct FunctionCode {
    int textIndex;
    ButtonFunction function;
};

namespace preset_detail {
constexpr ButtonFunction Mouse(std::uint8_t bit) {
    return MakeFunction(FunctionCategory::MouseButton, bit);
}
constexpr ButtonFunction Consumer(std::uint16_t usage) {
    return MakeFunction(FunctionCategory::Consumer, std::uint8_t(usage & 0xFF),
                        std::uint8_t(usage >> 8));
}
constexpr ButtonFunction Combo(std::uint8_t modifiers, std::uint8_t usage) {
    return MakeFunction(FunctionCategory::KeyCombo, modifiers, usage);
}
constexpr FunctionPreset Open(int text, PresetAction action) {
    return {text, action, {}};
}
} // namespace preset_detail

inline constexpr std::array<FunctionPreset, 16> FunctionMenuPresets = [] {
    using namespace preset_detail;
    using A = PresetAction;
    return std::array<FunctionPreset, 16>{{
        {20, A::Assign, Mouse(MouseButtonBit::Left)},
        {21, A::Assign, Mouse(MouseButtonBit::Right)},
        {22, A::Assign, Mouse(MouseButtonBit::Middle)},
        {23, A::Assign, Mouse(MouseButtonBit::Button5)},
        {24, A::Assign, Mouse(MouseButtonBit::Button4)},
        Open(25, A::DpiSubmenu),
        Open(26, A::FireKeyDialog),
        {27, A::Assign, MakeFunction(FunctionCategory::FireKey, 50, 3)},
        Open(28, A::MacroDialog),
        Open(29, A::ShortcutDialog),
        Open(30, A::MultimediaSubmenu),
        Open(31, A::OfficeSubmenu),
        Open(32, A::WindowsSubmenu),
        {33, A::Assign, MakeFunction(FunctionCategory::Category60, 4)},
        Open(36, A::DpiLockSubmenu),
        {34, A::Assign, DisabledFunction},
    }};
}();

inline constexpr std::array<FunctionCode, 3> DpiSwitchPresets = {{
    {40, MakeFunction(FunctionCategory::DpiSwitch, 2)},
    {41, MakeFunction(FunctionCategory::DpiSwitch, 3)},
    {42, MakeFunction(FunctionCategory::DpiSwitch, 1)},
}};

// DPI lock entry k (1..11) locks 100 + 100 * k DPI; its name is text 36, "-", the label.
inline constexpr int DpiLockTextIndex = 36;
inline constexpr std::array<const wchar_t*, 11> DpiLockLabels = {
    L"200", L"300", L"400", L"500", L"600", L"700", L"800", L"900", L"1000", L"1100", L"1200"};

constexpr ButtonFunction DpiLockFunction(int entry) { // entry 1..11
    return MakeFunction(FunctionCategory::DpiLock, std::uint8_t(entry));
}

inline constexpr std::array<FunctionCode, 10> MultimediaPresets = [] {
    using preset_detail::Consumer;
    return std::array<FunctionCode, 10>{{
        {45, Consumer(0x0183)}, // AL Consumer Control Configuration (media player)
        {46, Consumer(0x00B6)}, // Scan Previous Track
        {47, Consumer(0x00B5)}, // Scan Next Track
        {48, Consumer(0x00B7)}, // Stop
        {49, Consumer(0x00CD)}, // Play/Pause
        {50, Consumer(0x00E2)}, // Mute
        {51, Consumer(0x00E9)}, // Volume Increment
        {52, Consumer(0x00EA)}, // Volume Decrement
        {53, Consumer(0x018A)}, // AL Email Reader
        {54, Consumer(0x0192)}, // AL Calculator
    }};
}();

inline constexpr std::array<FunctionCode, 9> OfficePresets = [] {
    using preset_detail::Combo;
    constexpr std::uint8_t ctrl = ModifierBit::Ctrl;
    return std::array<FunctionCode, 9>{{
        {60, Combo(ctrl, 0x06)},             // Ctrl+C
        {61, Combo(ctrl, 0x19)},             // Ctrl+V
        {62, Combo(ctrl, 0x1B)},             // Ctrl+X
        {63, Combo(ctrl, 0x04)},             // Ctrl+A
        {64, Combo(ctrl, 0x11)},             // Ctrl+N
        {65, Combo(ctrl, 0x16)},             // Ctrl+S
        {66, Combo(ctrl, 0x13)},             // Ctrl+P
        {67, Combo(ModifierBit::Win, 0x08)}, // Win+E
        {68, Combo(ctrl, 0x1D)},             // Ctrl+Z
    }};
}();

inline constexpr std::array<FunctionCode, 6> WindowsPresets = [] {
    using namespace preset_detail;
    constexpr std::uint8_t win = ModifierBit::Win;
    return std::array<FunctionCode, 6>{{
        {75, Consumer(0x0194)},              // AL Local Machine Browser
        {76, Combo(ModifierBit::Alt, 0x3D)}, // Alt+F4
        {77, Combo(win, 0x07)},              // Win+D
        {78, Combo(win, 0x15)},              // Win+R
        {79, Combo(win, 0x51)},              // Win+Down Arrow
        {80, Combo(win, 0x52)},              // Win+Up Arrow
    }};
}();

} // namespace ferrox
