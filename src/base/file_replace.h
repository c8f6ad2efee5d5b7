// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a save replaces a file: the new contents go to a temporary file beside the file they
// replace (a rename across file systems would not be atomic) and are renamed over it once
// complete. Only a regular file is ever replaced. A symbolic link to one is written through:
// the file it names is replaced in its own folder and the link stays; a link to anything
// else, or to nothing, and a folder, fifo or device in the file's place are refused.
//
// The replacement keeps the mode of a healthy file (a 0600 file stays 0600). A new file, and
// one that replaces a damaged file or a file its owner could not even read, gets the mode
// every new file gets (0666 less the umask) rather than the damaged one's.

#include "base/file_problems.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <sys/types.h>

namespace ferrox {

struct SaveTarget {
    std::filesystem::path file;     // the regular file replaced, or created
    bool exists = false;            // replaced rather than created
    std::optional<mode_t> keepMode; // the old file's mode, when it is kept
};
// Where a save to path lands; nothing, with the problem, when it must not be written.
std::optional<SaveTarget> ChooseSaveTarget(const std::filesystem::path& path,
                                           FileProblem& problem);

// A new temporary file ".<name>.tmp<pid>-<n>" beside the target, open for writing with the
// target's mode; -1 when none could be made (problem says why).
int CreateTempBeside(const SaveTarget& target, std::filesystem::path& tempPath,
                     FileProblem& problem);
// Renames the complete temporary file over the target, if the target is still a regular file
// or not there; the temporary file is gone afterwards either way.
bool PutInPlace(const std::filesystem::path& tempPath, const SaveTarget& target,
                FileProblem& problem);

// The whole file replaced by bytes (for small files of other formats). False, with the
// problem, when it was refused or failed; the old file is then unchanged.
bool ReplaceFileBytes(const std::filesystem::path& path, std::string_view bytes,
                      FileProblem& problem);

// The file is damaged: the next save gives its replacement a fresh mode.
void ReplaceWithFreshMode(const std::filesystem::path& path);

} // namespace ferrox
