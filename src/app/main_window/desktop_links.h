// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the window sends the user outside the program: the project's web page and the
// desktop's own mouse settings.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ferrox {

// The project's page, compiled in: the home page the package and its metadata name.
#ifndef FERROX_HOMEPAGE
#define FERROX_HOMEPAGE "https://ferrox-mouse.github.io/ferrox"
#endif
#define FERROX_WIDEN_(text) L##text
#define FERROX_WIDEN(text) FERROX_WIDEN_(text)
inline constexpr std::wstring_view kProjectPageUrl = FERROX_WIDEN(FERROX_HOMEPAGE);
#undef FERROX_WIDEN
#undef FERROX_WIDEN_

struct SettingsCommand {
    std::string program;
    std::vector<std::string> arguments;
    friend bool operator==(const SettingsCommand&, const SettingsCommand&) = default;
};

// The mouse settings of the desktop named by XDG_CURRENT_DESKTOP (a colon-separated list),
// else the first known one whose program is found; nothing when none is.
std::optional<SettingsCommand> ChooseMouseSettings(
    std::string_view currentDesktop, const std::function<bool(const std::string&)>& onPath);

} // namespace ferrox
