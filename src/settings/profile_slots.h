// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the profile bar and its menu do to the slots, given what the dialogs produced. Each
// operation that changes something saves the configuration and all profile files.

#include <filesystem>
#include <string>

namespace ferrox {

enum class ProfileResult {
    Done,
    BarFull,   // five profiles are shown already (notice text 145)
    IsCurrent, // the current profile cannot be deleted (notice text 152)
    NotShown,  // the slot is not on the profile bar
    BadSlot,   // not 0..4
    EmptyName,
    ReadFailed,  // the file could not be read or is no profile (notice text 157)
    WriteFailed, // memory is changed but a file could not be written
};

// The slot the next AddProfile will use, -1 when the bar is full.
int SlotForNewProfile();
// Shows one more profile: the next hidden slot is reset and given the name.
ProfileResult AddProfile(const std::wstring& name, int* slot = nullptr);
ProfileResult RenameProfile(int slot, const std::wstring& name);
// Hides a slot that is shown and not current; its settings and file stay.
ProfileResult DeleteProfile(int slot);
// When the configuration and the profiles are written after a change: before the call returns,
// or copied then and written on the saving thread (settings/settings_saves.h), which logs a
// failure, so a window's thread never waits for the disk.
enum class SettingsWrite { Now, Aside };
// Reads the file into the slot; a file that is no profile changes nothing.
ProfileResult ImportProfile(int slot, const std::filesystem::path& path,
                            SettingsWrite write = SettingsWrite::Now);
// Writes the slot to the file, which may be in any folder that exists (none is created).
ProfileResult ExportProfile(int slot, const std::filesystem::path& path);
// Makes a shown slot current and saves the configuration.
ProfileResult UseProfile(int slot);

} // namespace ferrox
