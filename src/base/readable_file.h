// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether a file the program is about to read is there, and can be read, before anything decides
// to replace it: a file that is missing is made afresh, one that is damaged is kept and replaced,
// but one that cannot be read (no permission, a folder, a link to nothing, a pipe, a device) is
// the user's to mend and is never written over.

#include <filesystem>
#include <string>

namespace ferrox {

enum class FileState {
    Missing,    // nothing at the path: a first run makes it
    Readable,   // a regular file that opens for reading
    Unreadable, // something is there but it cannot be read as a file
};

struct FileCheck {
    FileState state = FileState::Missing;
    std::string reason; // why it cannot be read, for people (the system's error text)
};

// Follows links and opens nothing, so nothing it looks at can make it wait.
FileCheck CheckReadableFile(const std::filesystem::path& path);

// Why folder cannot hold the program's files (it, or a part of its path, is no folder, or it
// cannot be searched); empty when it can. A missing folder is no problem: it is made.
std::string FolderProblem(const std::filesystem::path& folder);

} // namespace ferrox
