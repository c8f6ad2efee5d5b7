// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The configuration and the five profiles written on a thread of their own, so that the
// window's thread never waits for the disk while it saves them. The settings are copied when a
// save is asked for, on the caller's thread; the files they go to are fixed then too.
//
// The other writers of these files (SaveConfig, WriteProfileFile) wait for the saves still
// running, and start-up waits for them before it reads the files: an older copy never lands
// after a newer write, and a new window reads what the last one saved.

#include "base/saving_thread.h"
#include "settings/config_table.h"
#include "settings/profile_settings.h"

#include <array>
#include <filesystem>

namespace ferrox {

struct SettingsCopy {
    std::array<KeyValuePair, ConfigPairCount> config;
    std::array<ProfileSettings, ProfileCount> profiles;
    std::filesystem::path configFile;
    std::array<std::filesystem::path, ProfileCount> profileFiles;
};

// The settings as they are now, "CurrentProfile" taken from the current slot as SaveConfig does.
SettingsCopy CopySettings();
// config.ini, then every profile to its file; false when any of them was not written. For any
// thread: it reads nothing but the copy.
bool WriteSettings(const SettingsCopy& copy);

// The saves of the settings. The program waits for them before it ends.
SavingThread& SettingsSaves();
// Copies the settings now and writes them on the saving thread; done (on that thread) hears
// whether every file was written.
void SaveSettingsAside(SavingThread::Done done);
// A save's outcome as the log tells it: a warning when not every file was written. For any
// thread.
void LogSettingsSaved(bool saved);

} // namespace ferrox
