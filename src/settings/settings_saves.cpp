// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_saves.h"

#include "base/log_sink.h"
#include "base/text_lines.h"
#include "settings/config_file.h"
#include "settings/profile_file.h"

#include <memory>

namespace ferrox {

SettingsCopy CopySettings() {
    SetCurrentSlot(CurrentSlot());
    SettingsCopy copy{ConfigTable, Profiles, ConfigFilePath(), {}};
    for (int slot = 0; slot < ProfileCount; ++slot)
        copy.profileFiles[std::size_t(slot)] = ProfileSlotPath(slot);
    return copy;
}

bool WriteSettings(const SettingsCopy& copy) {
    bool all = WriteTextLines(copy.configFile, FormatConfigLines(copy.config));
    for (std::size_t slot = 0; slot < copy.profiles.size(); ++slot)
        all = !copy.profileFiles[slot].empty() &&
              WriteTextLines(copy.profileFiles[slot], FormatProfileLines(copy.profiles[slot])) &&
              all;
    return all;
}

SavingThread& SettingsSaves() {
    static SavingThread saves;
    return saves;
}

void SaveSettingsAside(SavingThread::Done done) {
    auto copy = std::make_shared<const SettingsCopy>(CopySettings());
    SettingsSaves().Save([copy] { return WriteSettings(*copy); }, std::move(done));
}

void LogSettingsSaved(bool saved) {
    if (!saved)
        Log(LogLevel::Warning, LogCategory::Files, "the settings could not all be saved");
}

} // namespace ferrox
