// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/profile_file.h"

#include "base/damaged_file.h"
#include "base/text_lines.h"
#include "settings/config_table.h"
#include "settings/settings_saves.h"

namespace ferrox {

namespace {

// A default profile is about 45 KB; a file hundreds of times that is not a profile.
constexpr std::uintmax_t MaxProfileBytes = 16u << 20;

bool IsSlot(int slot) {
    return slot >= 0 && slot < ProfileCount;
}

} // namespace

bool LoadProfileFile(const std::filesystem::path& path, ProfileSettings& profile) {
    auto lines = ReadTextLines(path, MaxProfileBytes, ProfileFileLineCount);
    return lines && ParseProfileLines(*lines, profile);
}

bool WriteProfileFile(int slot, const std::filesystem::path& path) {
    SettingsSaves().Wait(); // a save still being written holds an older copy
    return IsSlot(slot) && !path.empty() &&
           WriteTextLines(path, FormatProfileLines(Profiles[slot]));
}

bool ReadProfileFile(int slot, const std::filesystem::path& path, ProfileReadNote* note) {
    if (!IsSlot(slot))
        return false;
    ProfileReadNote local;
    ProfileReadNote& result = note ? *note : local;
    result = {};
    if (!path.empty())
        result.file = CheckReadableFile(path);
    if (result.file.state == FileState::Readable && LoadProfileFile(path, Profiles[slot]))
        return true;
    ResetProfile(Profiles[slot], static_cast<unsigned>(slot));
    if (result.file.state == FileState::Unreadable)
        HoldFile(path);
    std::filesystem::path own = ProfileSlotPath(slot);
    result.damaged = result.file.state == FileState::Readable;
    if (!IsHeldFile(own))
        KeepDamagedFile(own);
    // A file that could not be kept is held as well, and left as it is.
    result.saveFailed = !IsHeldFile(own) && !WriteProfileFile(slot, own);
    return false;
}

bool SaveAllProfiles() {
    bool all = true;
    for (int slot = 0; slot < ProfileCount; ++slot)
        all = WriteProfileFile(slot, ProfileSlotPath(slot)) && all;
    return all;
}

} // namespace ferrox
