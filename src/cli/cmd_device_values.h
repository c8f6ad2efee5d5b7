// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the device commands of ferroxctl read their values: numbers in decimal or 0x-hex,
// colours and button codes as six hexadecimal digits, on and off.

#include "buttons/button_function.h"
#include "settings/profile_settings.h"

#include <optional>
#include <string>

namespace ferrox {

// The whole text as a number within min..max; nothing otherwise.
std::optional<long> ParseCliNumber(const std::string& text, long min, long max);
// "on" or "off".
std::optional<bool> ParseOnOff(const std::string& text);
// RRGGBB.
std::optional<Colour> ParseColour(const std::string& text);
// Six hexadecimal digits, category first, as profile files write them.
std::optional<ButtonFunction> ParseFunctionCode(const std::string& text);

} // namespace ferrox
