// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text forms of macro actions: the row text the action lists show, and the 2688-digit
// "AllAction" value that library, exchange and profile files store.

#include "macros/macro_types.h"

#include <array>
#include <string>
#include <string_view>

namespace ferrox {

using MacroActionSlots = std::array<MacroAction, MacroActionCapacity>;

// 336 slots x 8 upper-case hex digits (b0 b1 b2 b3).
inline constexpr std::size_t MacroAllActionLength = MacroActionCapacity * 8;

// "100ms", "Move Left 3", "Wheel Down 1", or the key name of b0 (press and release look the
// same; the list's icon tells them apart).
std::wstring MacroActionText(MacroAction action);

// Every slot is written, also those at and beyond the action count.
std::wstring FormatMacroActions(const MacroActionSlots& slots);
// False and the slots untouched unless the value is exactly 2688 characters. Each two-digit
// field reads its leading hex digits, so a damaged digit gives a wrong byte, never a crash.
[[nodiscard]] bool ParseMacroActions(std::wstring_view value, MacroActionSlots& slots);

} // namespace ferrox
