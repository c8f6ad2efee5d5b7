// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/file_problems.h"

#include "base/log_sink.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <mutex>

namespace ferrox {

namespace {

namespace fs = std::filesystem;

std::mutex problemsMutex;
std::vector<FileProblem> problems;

struct KindName {
    fs::file_type type;
    const char* name;
};
constexpr KindName kKindNames[] = {
    {fs::file_type::directory, "a folder"},       {fs::file_type::fifo, "a named pipe"},
    {fs::file_type::character, "a device"},       {fs::file_type::block, "a device"},
    {fs::file_type::socket, "a socket"},          {fs::file_type::symlink, "a symbolic link"},
};

std::string KindName(fs::file_type type) {
    for (const auto& kind : kKindNames)
        if (kind.type == type)
            return kind.name;
    return "not a regular file";
}

std::string Reason(const FileProblem& problem) {
    if (problem.found == fs::file_type::none)
        return std::strerror(problem.error);
    if (problem.linkTarget.empty())
        return "it is " + KindName(problem.found) + ", not a regular file";
    if (problem.found == fs::file_type::not_found)
        return "it is a symbolic link to " + problem.linkTarget.string() + ", which does not exist";
    return "it is a symbolic link to " + problem.linkTarget.string() + ", which is " +
           KindName(problem.found) + ", not a regular file";
}

} // namespace

bool IsMissingFile(const FileProblem& problem) {
    return problem.found == fs::file_type::none && problem.error == ENOENT;
}

std::string DescribeFileProblem(const FileProblem& problem) {
    const std::string what = problem.use == FileUse::Read
                                 ? " could not be read: "
                                 : " was not saved and is left as it is: ";
    return problem.path.string() + what + Reason(problem);
}

void NoteFileProblem(const FileProblem& problem) {
    {
        std::lock_guard lock(problemsMutex);
        const bool known = std::any_of(problems.begin(), problems.end(), [&](const FileProblem& p) {
            return p.path == problem.path && p.use == problem.use;
        });
        if (known)
            return; // logged when it was first met; a save every few seconds would repeat it
        problems.push_back(problem);
    }
    Log(LogLevel::Warning, LogCategory::Files, DescribeFileProblem(problem));
}

std::vector<FileProblem> NotedFileProblems() {
    std::lock_guard lock(problemsMutex);
    return problems;
}

bool FileProblemNoted(const fs::path& path) {
    std::lock_guard lock(problemsMutex);
    return std::any_of(problems.begin(), problems.end(),
                       [&](const FileProblem& p) { return p.path == path; });
}

void ForgetFileProblems() {
    std::lock_guard lock(problemsMutex);
    problems.clear();
}

} // namespace ferrox
