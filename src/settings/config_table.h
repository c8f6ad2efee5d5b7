// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The global configuration: seventeen key/value pairs kept for the whole run and stored in
// "config/config.ini". Values stay text; they are converted where used.

#include "settings/dpi_table.h"
#include "settings/profile_settings.h"
#include "settings/slot_path.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace ferrox {

inline constexpr int ConfigPairCount = 17;

// Pair numbers, in file order.
namespace ConfigKey {
enum : int {
    NeedPassword, // start-hidden value
    Sensor,       // "0x%4X"
    PreST,        // "0x%4X" of the 16-bit complement of Sensor
    Mac_ID,       // carried
    DataChange,   // carried
    CurrentProfile,
    ProfileShowCount,
    ProfileShowList0,                                  // ..ProfileShowList4
    ProfileSlot0URL = ProfileShowList0 + ProfileCount, // ..ProfileSlot4URL
};
}

// Empty until the file is read or the defaults are filled in.
extern std::array<KeyValuePair, ConfigPairCount> ConfigTable;

// Pair 0..16 with its default key and value (profile paths under DataFolder).
KeyValuePair DefaultConfigPair(int pair);
// Fills every pair with its default.
void FillConfigDefaults();
const std::wstring& ConfigValue(int pair);
void SetConfigValue(int pair, const std::wstring& value);
long ConfigNumber(int pair);
void SetConfigNumber(int pair, long value);

// The current slot from "CurrentProfile"; a value outside 0..4 counts as slot 0.
int CurrentSlot();
void SetCurrentSlot(int slot);
ProfileSettings& CurrentProfile();

// The profile bar: how many slots are shown and the order of all five. Read from the table
// with damaged values repaired (the count limited to 0..5, the list made a permutation of
// 0..4 keeping its valid entries first).
struct ProfileBarList {
    int count = 0;
    std::array<int, ProfileCount> slots{};
    friend bool operator==(const ProfileBarList&, const ProfileBarList&) = default;
};
ProfileBarList ReadProfileBar();
void WriteProfileBar(const ProfileBarList& bar);

// Path of a slot's profile file ("ProfileSlot<n>URL").
std::filesystem::path ProfileSlotPath(int slot);
// Where a slot's profile file is unless the configuration names another one.
std::filesystem::path DefaultProfilePath(int slot);
// A stored slot path that could name no profile file, replaced by the slot's default path.
struct SlotPathFallback {
    int slot = 0;
    std::wstring stored;
    SlotPathFault fault = SlotPathFault::NotAbsolute;
};
// Profile paths that name no profile file (another system's "C:\Users\...", a relative name
// that would land in whatever the current folder is, a line cut short) point to the slot's
// default file instead, and are returned; a path into another data folder is taken as this
// one's own (OwnSlotPath).
std::vector<SlotPathFallback> SettleProfilePaths();

// "0x%4X": four places, padded with spaces.
std::wstring FormatSensorHex(SensorIdValue value);
// Base 16 with an optional "0x" and the padding spaces after it; 0 when not a number.
unsigned long ParseHex(const std::wstring& text);
// The SensorId the configuration names.
SensorIdValue ConfiguredSensor();
// Makes sensor current: SensorId, "Sensor" and "PreST".
void SetSensor(SensorIdValue sensor);

} // namespace ferrox
