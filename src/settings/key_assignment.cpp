// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/key_assignment.h"

#include "buttons/key_slot.h"
#include "lang/language_table.h"
#include "settings/config_table.h"

namespace ferrox {

namespace {
constexpr int LeftClickText = 20;
}

void SetKeyFunction(int buttonId, const std::wstring& name, const ButtonFunction& function,
                    const MacroKey* macro) {
    int slot = SlotOfButton(buttonId);
    if (slot >= 0)
        CurrentProfile().keys[slot].Assign(name, function, macro);
}

LeftClickCheck EnsureLeftClick(int buttonId) {
    if (CountLeftClicks(CurrentProfile().keys) >= 1)
        return {};
    LeftClickCheck check{true, LanguageText(LeftClickText)};
    SetKeyFunction(buttonId, check.buttonText, LeftClickFunction);
    return check;
}

} // namespace ferrox
