// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Profile files (*.psf): one profile as "[Setting]" and 98 more lines, each field at a fixed
// line; used for the five slots and for export and import.

#include "base/readable_file.h"
#include "settings/profile_settings.h"

#include <filesystem>
#include <string>
#include <vector>

namespace ferrox {

inline constexpr std::size_t ProfileFileLineCount = 99;

std::vector<std::wstring> FormatProfileLines(const ProfileSettings& profile);
// Reads the lines into profile (every line taken by its position); false, and profile left
// as it was, when a line breaks the format or the lines end early. Lines after the seven key
// blocks are ignored. Values the model cannot hold are limited: MacroActionNum to 336, the
// current DPI level to 0..7, the lighting mode to 0..9, the report rate to 0..3.
bool ParseProfileLines(const std::vector<std::wstring>& lines, ProfileSettings& profile);

// A file into profile, with no other effect; false when it cannot be read or breaks the format.
bool LoadProfileFile(const std::filesystem::path& path, ProfileSettings& profile);
// Slot 0..4 to a file. False when the file could not be written (then it is unchanged).
bool WriteProfileFile(int slot, const std::filesystem::path& path);
// What reading a slot's file met.
struct ProfileReadNote {
    FileCheck file;       // Readable also for a file that turned out to be no profile
    bool damaged = false; // read but no profile: kept beside it and replaced
    bool saveFailed = false; // the defaults that stand in for it could not be saved
};
// A file into slot 0..4. When it cannot be used the slot is reset and, unless the file is there
// but cannot be read (it is then held: never replaced), written to its own file (a damaged
// file there is first kept beside it as "<name>.damaged"); returns whether the file was read.
bool ReadProfileFile(int slot, const std::filesystem::path& path,
                     ProfileReadNote* note = nullptr);
// Every slot to its "ProfileSlot<n>URL" file; false when any of them was not written.
bool SaveAllProfiles();

} // namespace ferrox
