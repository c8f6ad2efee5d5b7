// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening the files the programs read. Any path may name a fifo, a device or a folder: open()
// on a fifo would wait for a writer for ever, and opening a device can do things of its own.
// Only regular files are opened, never blocking (O_NONBLOCK), and fstat after the open turns
// away whatever was put in the file's place in the meantime.

#include "base/file_problems.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/types.h>

namespace ferrox {

// Where a chain of symbolic links ends, looked at without following the last name.
struct LinkEnd {
    std::filesystem::path file;  // the end itself (path when it is no link)
    bool viaLink = false;        // path is a symbolic link
    std::filesystem::file_type type = std::filesystem::file_type::none; // not_found: nothing
    mode_t mode = 0;             // permission bits of a file found
    int error = 0;               // why the end could not be looked at (ELOOP for a loop)
};
LinkEnd FollowLinks(const std::filesystem::path& path);
// The path with links resolved, so that any spelling of it compares equal.
std::filesystem::path ComparablePath(const std::filesystem::path& path);

// The problem for use of path, from what FollowLinks found; found stays none when the end is
// a regular file.
FileProblem ProblemAt(const std::filesystem::path& path, FileUse use, const LinkEnd& end);

struct RegularFileHandle {
    int fd = -1;            // open for reading, close-on-exec; -1 on failure
    std::uintmax_t size = 0;
};
// A regular file (through links) opened for reading; on failure fd is -1 and problem says why.
RegularFileHandle OpenRegularFile(const std::filesystem::path& path, FileProblem& problem);

// The whole of a small regular file; nothing when it cannot be read or is larger than
// maxBytes (problem then says why: EFBIG for the size).
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path,
                                         std::uintmax_t maxBytes, FileProblem& problem);

} // namespace ferrox
