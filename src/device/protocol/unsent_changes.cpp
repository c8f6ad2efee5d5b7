// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/protocol/unsent_changes.h"

#include "device/protocol/change_groups.h"
#include "base/app_globals.h"
#include "base/text_lines.h"

#include <array>
#include <string_view>
#include <system_error>

namespace ferrox {

namespace {

struct GroupWord {
    unsigned group;
    std::wstring_view word;
};
constexpr std::array<GroupWord, 5> GroupWords{{
    {ChangeGroup::Keys, L"keys"},
    {ChangeGroup::Settings, L"settings"},
    {ChangeGroup::Power, L"power"},
    {ChangeGroup::Wakeup, L"wake-up"},
    {ChangeGroup::Macros, L"macros"},
}};

// Five words and their line ends; anything far larger was not written by us.
constexpr std::uintmax_t MaxFileBytes = 64 * 1024;
constexpr std::size_t MaxLines = 64;

std::wstring_view Trimmed(std::wstring_view line) {
    const auto first = line.find_first_not_of(L" \t\r");
    if (first == std::wstring_view::npos) {
        return {};
    }
    return line.substr(first, line.find_last_not_of(L" \t\r") - first + 1);
}

} // namespace

std::filesystem::path UnsentChangesPath() {
    return ConfigFolder() / "unsent.txt";
}

unsigned ReadUnsentChanges(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        return 0;
    }
    const auto lines = ReadTextLines(path, MaxFileBytes, MaxLines);
    unsigned groups = 0;
    for (const std::wstring& line : lines.value_or(std::vector<std::wstring>{})) {
        for (const GroupWord& g : GroupWords) {
            if (Trimmed(line) == g.word) {
                groups |= g.group;
            }
        }
    }
    return groups;
}

bool WriteUnsentChanges(const std::filesystem::path& path, unsigned groups) {
    if ((groups & ChangeGroup::Device) == 0) {
        std::error_code ec;
        std::filesystem::remove(path, ec);
        return !ec;
    }
    std::vector<std::wstring> lines;
    for (const GroupWord& g : GroupWords) {
        if (groups & g.group) {
            lines.emplace_back(g.word);
        }
    }
    return WriteTextLines(path, lines);
}

} // namespace ferrox
