// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/profile_slots.h"

#include "base/stale_temp_files.h"
#include "settings/config_file.h"
#include "settings/config_table.h"
#include "settings/profile_file.h"
#include "settings/settings_saves.h"

#include <algorithm>
#include <system_error>

namespace ferrox {

namespace {

bool IsSlot(int slot) {
    return slot >= 0 && slot < ProfileCount;
}

ProfileResult SaveEverything(SettingsWrite write = SettingsWrite::Now) {
    if (write == SettingsWrite::Aside) {
        SaveSettingsAside(LogSettingsSaved);
        return ProfileResult::Done;
    }
    bool config = SaveConfig();
    bool profiles = SaveAllProfiles();
    return config && profiles ? ProfileResult::Done : ProfileResult::WriteFailed;
}

int PositionOnBar(const ProfileBarList& bar, int slot) {
    auto end = bar.slots.begin() + bar.count;
    auto it = std::find(bar.slots.begin(), end, slot);
    return it == end ? -1 : static_cast<int>(it - bar.slots.begin());
}

} // namespace

int SlotForNewProfile() {
    ProfileBarList bar = ReadProfileBar();
    return bar.count < ProfileCount ? bar.slots[bar.count] : -1;
}

ProfileResult AddProfile(const std::wstring& name, int* slot) {
    ProfileBarList bar = ReadProfileBar();
    if (bar.count >= ProfileCount)
        return ProfileResult::BarFull;
    if (name.empty())
        return ProfileResult::EmptyName;
    int s = bar.slots[bar.count];
    ++bar.count;
    WriteProfileBar(bar);
    ResetProfile(Profiles[s], 0);
    SetProfileValue(Profiles[s], ProfileKey::ProfileName, name);
    if (slot)
        *slot = s;
    return SaveEverything();
}

ProfileResult RenameProfile(int slot, const std::wstring& name) {
    if (!IsSlot(slot))
        return ProfileResult::BadSlot;
    if (name.empty())
        return ProfileResult::EmptyName;
    SetProfileValue(Profiles[slot], ProfileKey::ProfileName, name);
    return SaveEverything();
}

ProfileResult DeleteProfile(int slot) {
    if (!IsSlot(slot))
        return ProfileResult::BadSlot;
    if (slot == CurrentSlot())
        return ProfileResult::IsCurrent;
    ProfileBarList bar = ReadProfileBar();
    int position = PositionOnBar(bar, slot);
    if (position < 0)
        return ProfileResult::NotShown;
    std::rotate(bar.slots.begin() + position, bar.slots.begin() + position + 1, bar.slots.end());
    --bar.count;
    WriteProfileBar(bar);
    return SaveEverything();
}

ProfileResult ImportProfile(int slot, const std::filesystem::path& path, SettingsWrite write) {
    if (!IsSlot(slot))
        return ProfileResult::BadSlot;
    ProfileSettings imported = Profiles[slot];
    if (!LoadProfileFile(path, imported))
        return ProfileResult::ReadFailed;
    Profiles[slot] = std::move(imported);
    return SaveEverything(write);
}

ProfileResult ExportProfile(int slot, const std::filesystem::path& path) {
    if (!IsSlot(slot))
        return ProfileResult::BadSlot;
    // As with a save dialog and the macro exports, only into a folder that exists: a mistyped
    // folder is an error rather than a new folder.
    std::error_code ec;
    if (path.has_parent_path() && !std::filesystem::is_directory(path.parent_path(), ec))
        return ProfileResult::WriteFailed;
    RemoveStaleTempFilesBeside(path);
    return WriteProfileFile(slot, path) ? ProfileResult::Done : ProfileResult::WriteFailed;
}

ProfileResult UseProfile(int slot) {
    if (!IsSlot(slot))
        return ProfileResult::BadSlot;
    if (PositionOnBar(ReadProfileBar(), slot) < 0)
        return ProfileResult::NotShown;
    SetCurrentSlot(slot);
    return SaveConfig() ? ProfileResult::Done : ProfileResult::WriteFailed;
}

} // namespace ferrox
