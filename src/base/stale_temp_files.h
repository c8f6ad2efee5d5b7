// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A save writes ".<name>.tmp<pid>-<n>" beside its file and renames it into place; a process
// killed in between leaves that file behind for ever. Start-up sweeps away the ones whose
// process is gone.

#include <filesystem>

namespace ferrox {

// Removes from folder (not its subfolders) every temporary save file of a process that no
// longer runs; files of running processes and every other file stay. Returns how many went.
int RemoveStaleTempFiles(const std::filesystem::path& folder);
// The same in the folder where a save of file puts its temporary file (beside the file a
// symbolic link names): an export sweeps up what an earlier, killed export left there.
int RemoveStaleTempFilesBeside(const std::filesystem::path& file);

} // namespace ferrox
