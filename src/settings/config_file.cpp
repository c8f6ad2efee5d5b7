// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/config_file.h"

#include "base/app_globals.h"
#include "base/damaged_file.h"
#include "base/text_lines.h"
#include "settings/dpi_table.h"
#include "settings/profile_file.h"
#include "settings/settings_saves.h"

namespace ferrox {

namespace {

const std::wstring SectionLine = L"[Setting]";
// The largest valid file: 18 lines of paths; anything far beyond is not a configuration.
constexpr std::uintmax_t MaxConfigBytes = 1 << 20;

// The check value must be the sensor's complement; when it is not (a hand-edited "Sensor"),
// the DPI levels of every profile are made to fit the sensor.
void SettleSensorCheck() {
    SensorId = ConfiguredSensor();
    auto check = static_cast<SensorIdValue>(ParseHex(ConfigValue(ConfigKey::PreST)));
    if (static_cast<SensorIdValue>(~check) == SensorId)
        return;
    SetConfigValue(ConfigKey::PreST, FormatSensorHex(static_cast<SensorIdValue>(~SensorId)));
    SaveConfig();
    for (ProfileSettings& profile : Profiles)
        ResetDpiDefaults(profile);
    SaveAllProfiles();
}

} // namespace

std::filesystem::path ConfigFilePath() {
    return ConfigFolder() / "config.ini";
}

std::optional<std::array<KeyValuePair, ConfigPairCount>>
ParseConfigLines(const std::vector<std::wstring>& lines) {
    if (lines.empty() || lines.front() != SectionLine || lines.size() > ConfigPairCount + 1)
        return std::nullopt;
    std::array<KeyValuePair, ConfigPairCount> table;
    for (int pair = static_cast<int>(lines.size()) - 1; pair < ConfigPairCount; ++pair)
        table[pair] = DefaultConfigPair(pair);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::wstring& line = lines[i];
        std::size_t equals = line.find(L'=');
        if (equals == std::wstring::npos || equals == 0 || equals + 1 == line.size())
            return std::nullopt;
        table[i - 1] = {line.substr(0, equals), line.substr(equals + 1)};
    }
    return table;
}

std::vector<std::wstring>
FormatConfigLines(const std::array<KeyValuePair, ConfigPairCount>& table) {
    std::vector<std::wstring> lines{SectionLine};
    for (const KeyValuePair& pair : table)
        lines.push_back(SingleLine(pair.key) + L"=" + SingleLine(pair.value));
    return lines;
}

bool WriteConfigFile() {
    SettingsSaves().Wait(); // a save still being written holds an older copy
    return WriteTextLines(ConfigFilePath(), FormatConfigLines(ConfigTable));
}

bool SaveConfig() {
    SetCurrentSlot(CurrentSlot());
    return WriteConfigFile();
}

bool LoadConfig(ConfigLoadReport* report) {
    ConfigLoadReport local;
    ConfigLoadReport& result = report ? *report : local;
    result = {};
    const std::filesystem::path path = ConfigFilePath();
    const FileCheck check = CheckReadableFile(path);
    // One line more than a valid file may have, so an 18th pair is seen.
    auto lines = check.state == FileState::Readable
                     ? ReadTextLines(path, MaxConfigBytes, ConfigPairCount + 2)
                     : std::nullopt;
    auto table = lines ? ParseConfigLines(*lines) : std::nullopt;
    if (table) {
        ConfigTable = *table;
        result.source = ConfigLoadReport::Source::Read;
    } else if (check.state == FileState::Unreadable) {
        result.source = ConfigLoadReport::Source::Unreadable;
        result.reason = check.reason;
        HoldFile(path);
        FillConfigDefaults();
        for (int slot = 0; slot < ProfileCount; ++slot)
            HoldFile(DefaultProfilePath(slot));
    } else {
        if (check.state == FileState::Readable)
            result.source = ConfigLoadReport::Source::Damaged;
        // A hand edit with one slip must not cost the user the bar list and profile paths.
        KeepDamagedFile(path);
        FillConfigDefaults();
        result.saveFailed = !IsHeldFile(path) && !WriteConfigFile();
    }
    result.fallbacks = SettleProfilePaths();
    // Before the profiles: a profile reset while reading must get this sensor's DPI levels.
    SensorId = ConfiguredSensor();
    for (int slot = 0; slot < ProfileCount; ++slot)
        ReadProfileFile(slot, ProfileSlotPath(slot), &result.profiles[slot]);
    SettleSensorCheck();
    return table.has_value();
}

} // namespace ferrox
