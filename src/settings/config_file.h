// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "config/config.ini": the configuration table as "[Setting]" and seventeen key=value lines.

#include "base/readable_file.h"
#include "settings/config_table.h"
#include "settings/profile_file.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ferrox {

std::filesystem::path ConfigFilePath();

// The table the lines describe, or nothing when they break a rule: first line exactly
// "[Setting]", then at most 17 lines whose first "=" is neither first nor last. Pairs that a
// shorter file does not have take their defaults, so that a save writes all seventeen keys.
std::optional<std::array<KeyValuePair, ConfigPairCount>>
ParseConfigLines(const std::vector<std::wstring>& lines);
std::vector<std::wstring> FormatConfigLines(const std::array<KeyValuePair, ConfigPairCount>& table);

// What start-up met in the configuration and the profile files, so that it can be told.
struct ConfigLoadReport {
    enum class Source { Read, Missing, Damaged, Unreadable };
    Source source = Source::Missing;
    std::string reason;      // why config.ini cannot be read
    bool saveFailed = false; // the defaults that stand in for it could not be saved
    std::vector<SlotPathFallback> fallbacks;
    std::array<ProfileReadNote, ProfileCount> profiles;
};

// Start-up: reads the configuration (defaults and their file when it is missing or invalid; an
// invalid file is kept as "config.ini.damaged"), the five profile files, and settles the
// sensor check. Profile files that exist are read whether or not the configuration was valid.
// A configuration that is there but cannot be read is never replaced, and neither are the
// slots' default files: without it no profile file can be told to belong to a slot, so
// defaults stand in for it in memory only. Returns whether the configuration file was read.
bool LoadConfig(ConfigLoadReport* report = nullptr);
// "CurrentProfile" from the current slot, then the whole file. False when not written.
bool SaveConfig();
// The file from the table as it is. False when not written.
bool WriteConfigFile();

} // namespace ferrox
