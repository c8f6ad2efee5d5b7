#include "settings/config_file.h"

#include "base/app_globals.h"
#include "base/damaged_file.h"
#include "base/text_lines.h"
#include "settings/dpi_table.h"
#include "settings/profile_file.h"

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
    return WriteTextLines(ConfigFilePath(), FormatConfigLines(ConfigTable));
}

bool SaveConfig() {
    SetCurrentSlot(CurrentSlot());
    return WriteConfigFile();
}

bool LoadConfig() {
    // One line more than a valid file may have, so an 18th pair is seen.
    auto lines = ReadTextLines(ConfigFilePath(), MaxConfigBytes, ConfigPairCount + 2);
    auto table = lines ? ParseConfigLines(*lines) : std::nullopt;
    if (table) {
        ConfigTable = *table;
    } else {
        // A hand edit with one slip must not cost the user the bar list and profile paths.
        KeepDamagedFile(ConfigFilePath());
        FillConfigDefaults();
        WriteConfigFile();
    }
    SettleProfilePaths();
    // Before the profiles: a profile reset while reading must get this sensor's DPI levels.
    SensorId = ConfiguredSensor();
    for (int slot = 0; slot < ProfileCount; ++slot)
        ReadProfileFile(slot, ProfileSlotPath(slot));
    SettleSensorCheck();
    return table.has_value();
}

} // namespace ferrox
