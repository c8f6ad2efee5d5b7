// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Button assignments on the current profile: every chooser ends in SetKeyFunction and then
// EnsureLeftClick on the same key button.

#include "buttons/button_function.h"
#include "macros/macro_types.h"

#include <string>

namespace ferrox {

// buttonId 2013..2019 picks slot 0..6 of the current profile; other key buttons store
// nothing. A macro (for macro assignments only) is copied into the slot.
void SetKeyFunction(int buttonId, const std::wstring& name, const ButtonFunction& function,
                    const MacroKey* macro = nullptr);

// What the window does after EnsureLeftClick.
struct LeftClickCheck {
    // true: no slot held a left click, so the button was set back to left click; show the
    // button text buttonText and start the notice timer (texts 150, 151). Nothing is sent.
    // false: start the apply timer.
    bool restored = false;
    std::wstring buttonText;
};

// The mouse must keep a left click somewhere: when no slot of the current profile has one,
// the assignment just made on buttonId is undone to left click.
LeftClickCheck EnsureLeftClick(int buttonId);

} // namespace ferrox
