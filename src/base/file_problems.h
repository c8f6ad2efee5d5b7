// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files met where a file of ours belongs but that could not be used: a folder, a fifo, a
// device, a link to nothing or in a loop, one without permission. Reading one falls back to
// defaults and a save leaves it alone; both programs tell the user which files these were.

#include <filesystem>
#include <string>
#include <vector>

namespace ferrox {

enum class FileUse { Read, Save };

struct FileProblem {
    std::filesystem::path path;
    FileUse use = FileUse::Read;
    // What was found there instead of a regular file; none when the system said why (error).
    // not_found with a linkTarget: a link to nothing.
    std::filesystem::file_type found = std::filesystem::file_type::none;
    int error = 0;
    std::filesystem::path linkTarget; // where path leads, when it is a symbolic link
};

// Whether the problem is only that there is no such file (no link either): a first run.
bool IsMissingFile(const FileProblem& problem);

// One line for the user, naming the file, in English.
std::string DescribeFileProblem(const FileProblem& problem);

// Notes a problem of this run (once per file and use) for telling the user.
void NoteFileProblem(const FileProblem& problem);
std::vector<FileProblem> NotedFileProblems();
bool FileProblemNoted(const std::filesystem::path& path);
// Forgets them (a fresh start-up; tests).
void ForgetFileProblems();

} // namespace ferrox
