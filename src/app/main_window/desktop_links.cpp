// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window/desktop_links.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace ferrox {
namespace {

struct DesktopSettings {
    std::string_view desktop; // as XDG_CURRENT_DESKTOP names it, compared without case
    std::string_view program;
    std::string_view argument; // empty: none
};

constexpr std::array<DesktopSettings, 7> kMouseSettings{{
    {"GNOME", "gnome-control-center", "mouse"},
    {"KDE", "systemsettings", "kcm_mouse"},
    {"XFCE", "xfce4-mouse-settings", ""},
    {"MATE", "mate-mouse-properties", ""},
    {"X-Cinnamon", "cinnamon-settings", "mouse"},
    {"Cinnamon", "cinnamon-settings", "mouse"},
    {"LXQt", "lxqt-config-input", ""},
}};

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

SettingsCommand CommandOf(const DesktopSettings& settings) {
    SettingsCommand command{std::string(settings.program), {}};
    if (!settings.argument.empty())
        command.arguments.emplace_back(settings.argument);
    return command;
}

} // namespace

std::optional<SettingsCommand> ChooseMouseSettings(
    std::string_view currentDesktop, const std::function<bool(const std::string&)>& onPath) {
    std::string_view rest = currentDesktop;
    while (!rest.empty()) {
        const std::size_t colon = rest.find(':');
        const std::string_view name = rest.substr(0, colon);
        rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
        for (const DesktopSettings& settings : kMouseSettings)
            if (SameName(name, settings.desktop) && onPath(std::string(settings.program)))
                return CommandOf(settings);
    }
    for (const DesktopSettings& settings : kMouseSettings)
        if (onPath(std::string(settings.program)))
            return CommandOf(settings);
    return std::nullopt;
}

} // namespace ferrox
