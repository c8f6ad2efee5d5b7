// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// config/unsent.txt in the data folder: the groups of changes that were saved but have not
// reached the mouse, one word a line ("keys", "settings", "power", "wake-up", "macros"), so
// that the next run of the window or ferroxctl that finds the mouse sends them. The file is
// outside data: unknown words are ignored and a damaged file counts as far as it can be read.

#include <filesystem>

namespace ferrox {

std::filesystem::path UnsentChangesPath();

// ChangeGroup bits; none when the file is missing or unreadable.
unsigned ReadUnsentChanges(const std::filesystem::path& path);
// Writes the groups, or removes the file when there are none. True when the file says so.
bool WriteUnsentChanges(const std::filesystem::path& path, unsigned groups);

} // namespace ferrox
