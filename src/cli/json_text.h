// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Quoting for the --json output of the commands.

#include <string>
#include <string_view>

namespace ferrox {

// s as a JSON string literal, quotes included.
std::string JsonString(std::string_view s);

// The first member of every object a command prints with --json. The number grows when a key
// changes its meaning or type or goes away; new keys alone leave it as it is.
inline constexpr std::string_view kJsonFormatMember = "\"format\": 1";

} // namespace ferrox
