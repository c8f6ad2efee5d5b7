// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/button_function.h"
#include "buttons/key_slot.h"

#include <algorithm>
#include <cwchar>

namespace ferrox {

std::wstring FormatFunction(const ButtonFunction& function) {
    wchar_t text[8];
    std::swprintf(text, 8, L"%.2X%.2X%.2X", function.category, function.param1, function.param2);
    return text;
}

void KeySlot::Assign(const std::wstring& newName, const ButtonFunction& newFunction,
                     const MacroKey* source) {
    name = newName;
    function = newFunction;
    if (!source) {
        macro.ClearActions();
        return;
    }
    macro.name = source->name;
    macro.MacroKeyIndex = source->MacroKeyIndex;
    macro.MacroKeyLoopType = source->MacroKeyLoopType;
    macro.MacroKeyLoopNum = source->MacroKeyLoopNum;
    macro.MacroCommandActionNum = source->MacroCommandActionNum;
    macro.ReplaceActions(*source, source->MacroActionNum);
    macroKeyIndex = static_cast<std::uint32_t>(source->MacroKeyIndex);
}

int CountLeftClicks(const KeyTable& keys) {
    return static_cast<int>(std::count_if(
        keys.begin(), keys.end(), [](const KeySlot& slot) { return slot.function.IsLeftClick(); }));
}

} // namespace ferrox
