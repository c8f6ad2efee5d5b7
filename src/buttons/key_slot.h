// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One programmable button of a profile: what it shows, what it sends and the macro it plays.

#include "buttons/button_function.h"
#include "macros/macro_types.h"

#include <array>
#include <cstdint>
#include <string>

namespace ferrox {

inline constexpr int KeySlotCount = 7;
// Key buttons of the main window: 2013..2019 are slots 0..6; 2020 and 2021 store nothing.
inline constexpr int FirstKeyButtonId = 2013;
inline constexpr int LastSlotButtonId = FirstKeyButtonId + KeySlotCount - 1;

struct KeySlot {
    std::wstring name;
    ButtonFunction function;
    std::uint8_t spare = 0;
    // MacroKeyIndex of the assigned library macro; kept when another function is assigned.
    std::uint32_t macroKeyIndex = 0;
    MacroKey macro; // private copy of the assigned macro

    // The assignment every chooser ends in. With a macro the copy takes the macro's name,
    // index, loop settings, command count and actions; without one the copy only loses its
    // actions.
    void Assign(const std::wstring& newName, const ButtonFunction& newFunction,
                const MacroKey* source);
};

using KeyTable = std::array<KeySlot, KeySlotCount>;

// Slot of a key button id, or -1 for buttons that store nothing.
constexpr int SlotOfButton(int buttonId) {
    return buttonId >= FirstKeyButtonId && buttonId <= LastSlotButtonId
               ? buttonId - FirstKeyButtonId
               : -1;
}

// Slots whose function is a left click (param2 ignored).
int CountLeftClicks(const KeyTable& keys);

struct KeyDefault {
    int textIndex; // LanguageTable text of the name
    ButtonFunction function;
};

inline constexpr std::array<KeyDefault, KeySlotCount> KeyDefaults = {{
    {20, MakeFunction(FunctionCategory::MouseButton, MouseButtonBit::Left)},
    {21, MakeFunction(FunctionCategory::MouseButton, MouseButtonBit::Right)},
    {22, MakeFunction(FunctionCategory::MouseButton, MouseButtonBit::Middle)},
    {23, MakeFunction(FunctionCategory::MouseButton, MouseButtonBit::Button5)},
    {24, MakeFunction(FunctionCategory::MouseButton, MouseButtonBit::Button4)},
    {40, MakeFunction(FunctionCategory::DpiSwitch, 2)},
    {41, MakeFunction(FunctionCategory::DpiSwitch, 3)},
}};

} // namespace ferrox
