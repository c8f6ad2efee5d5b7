// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/config_table.h"

#include "base/app_globals.h"
#include "base/path_text.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>

namespace ferrox {

namespace {

const std::wstring EmptyText;

constexpr std::array<const wchar_t*, ConfigPairCount> ConfigKeys = {
    L"NeedPassword",     L"Sensor",           L"PreST",
    L"Mac_ID",           L"DataChange",       L"CurrentProfile",
    L"ProfileShowCount", L"ProfileShowList0", L"ProfileShowList1",
    L"ProfileShowList2", L"ProfileShowList3", L"ProfileShowList4",
    L"ProfileSlot0URL",  L"ProfileSlot1URL",  L"ProfileSlot2URL",
    L"ProfileSlot3URL",  L"ProfileSlot4URL"};

constexpr std::array<const wchar_t*, ConfigKey::ProfileSlot0URL> ConfigDefaults = {
    L"1", L"0x3325", L"0xCCDA", L"0xFFFFFFFF", L"0x1234", L"0", L"3", L"0", L"1", L"2", L"3", L"4"};

bool IsPair(int pair) {
    return pair >= 0 && pair < ConfigPairCount;
}
bool IsSlot(long slot) {
    return slot >= 0 && slot < ProfileCount;
}

} // namespace

std::array<KeyValuePair, ConfigPairCount> ConfigTable;

KeyValuePair DefaultConfigPair(int pair) {
    if (!IsPair(pair))
        return {};
    if (pair < ConfigKey::ProfileSlot0URL)
        return {ConfigKeys[pair], ConfigDefaults[pair]};
    return {ConfigKeys[pair], PathText(DefaultProfilePath(pair - ConfigKey::ProfileSlot0URL))};
}

void FillConfigDefaults() {
    for (int pair = 0; pair < ConfigPairCount; ++pair)
        ConfigTable[pair] = DefaultConfigPair(pair);
}

const std::wstring& ConfigValue(int pair) {
    return IsPair(pair) ? ConfigTable[pair].value : EmptyText;
}

void SetConfigValue(int pair, const std::wstring& value) {
    if (IsPair(pair))
        ConfigTable[pair].value = value;
}

long ConfigNumber(int pair) {
    return ParseDecimal(ConfigValue(pair));
}

void SetConfigNumber(int pair, long value) {
    SetConfigValue(pair, std::to_wstring(value));
}

int CurrentSlot() {
    long slot = ConfigNumber(ConfigKey::CurrentProfile);
    return IsSlot(slot) ? static_cast<int>(slot) : 0;
}

void SetCurrentSlot(int slot) {
    if (IsSlot(slot))
        SetConfigNumber(ConfigKey::CurrentProfile, slot);
}

ProfileSettings& CurrentProfile() {
    return Profiles[CurrentSlot()];
}

ProfileBarList ReadProfileBar() {
    ProfileBarList bar;
    bar.count = static_cast<int>(
        std::clamp(ConfigNumber(ConfigKey::ProfileShowCount), 0L, static_cast<long>(ProfileCount)));
    std::array<bool, ProfileCount> seen{};
    int filled = 0;
    for (int pos = 0; pos < ProfileCount; ++pos) {
        long slot = ConfigNumber(ConfigKey::ProfileShowList0 + pos);
        if (IsSlot(slot) && !seen[slot]) {
            seen[slot] = true;
            bar.slots[filled++] = static_cast<int>(slot);
        }
    }
    for (int slot = 0; slot < ProfileCount; ++slot)
        if (!seen[slot])
            bar.slots[filled++] = slot;
    return bar;
}

void WriteProfileBar(const ProfileBarList& bar) {
    SetConfigNumber(ConfigKey::ProfileShowCount, bar.count);
    for (int pos = 0; pos < ProfileCount; ++pos)
        SetConfigNumber(ConfigKey::ProfileShowList0 + pos, bar.slots[pos]);
}

std::filesystem::path ProfileSlotPath(int slot) {
    return IsSlot(slot) ? TextPath(ConfigValue(ConfigKey::ProfileSlot0URL + slot))
                        : std::filesystem::path();
}

std::filesystem::path DefaultProfilePath(int slot) {
    return SlotFileIn(DataFolder, slot);
}

std::vector<SlotPathFallback> SettleProfilePaths() {
    std::vector<SlotPathFallback> fallbacks;
    for (int slot = 0; slot < ProfileCount; ++slot) {
        const int pair = ConfigKey::ProfileSlot0URL + slot;
        const std::filesystem::path stored = ProfileSlotPath(slot);
        if (std::optional<SlotPathFault> fault = CheckSlotPath(stored)) {
            fallbacks.push_back({slot, ConfigValue(pair), *fault});
            SetConfigValue(pair, PathText(DefaultProfilePath(slot)));
        } else if (const std::filesystem::path own = OwnSlotPath(DataFolder, slot, stored);
                   own != stored) {
            SetConfigValue(pair, PathText(own));
        }
    }
    return fallbacks;
}

std::wstring FormatSensorHex(SensorIdValue value) {
    wchar_t text[16];
    std::swprintf(text, 16, L"0x%4X", static_cast<unsigned>(value));
    return text;
}

// Values this program writes for small numbers read "0x ABC": the blanks after the prefix are
// skipped so such a value reads back as written.
unsigned long ParseHex(const std::wstring& text) {
    std::size_t pos = 0;
    auto skipBlanks = [&] {
        while (pos < text.size() && std::iswspace(text[pos]))
            ++pos;
    };
    skipBlanks();
    if (text.compare(pos, 2, L"0x") == 0 || text.compare(pos, 2, L"0X") == 0) {
        pos += 2;
        skipBlanks();
    }
    unsigned long value = 0;
    for (; pos < text.size() && std::iswxdigit(text[pos]); ++pos) {
        wchar_t c = static_cast<wchar_t>(std::towupper(text[pos]));
        unsigned digit = c <= L'9' ? unsigned(c - L'0') : unsigned(c - L'A' + 10);
        value = value > 0x0FFFFFFFul ? 0xFFFFFFFFul : value * 16 + digit;
    }
    return value;
}

SensorIdValue ConfiguredSensor() {
    return static_cast<SensorIdValue>(ParseHex(ConfigValue(ConfigKey::Sensor)));
}

void SetSensor(SensorIdValue sensor) {
    SensorId = sensor;
    SetConfigValue(ConfigKey::Sensor, FormatSensorHex(sensor));
    SetConfigValue(ConfigKey::PreST, FormatSensorHex(static_cast<SensorIdValue>(~sensor)));
}

} // namespace ferrox
