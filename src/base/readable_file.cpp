// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/readable_file.h"

#include "base/log_sink.h"
#include "base/regular_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ferrox {

namespace fs = std::filesystem;

namespace {

FileCheck Unreadable(std::string reason) {
    return {FileState::Unreadable, std::move(reason)};
}

std::string KindText(fs::file_type type) {
    switch (type) {
    case fs::file_type::directory:
        return "it is a folder, not a file";
    case fs::file_type::fifo:
        return "it is a named pipe, not a file";
    case fs::file_type::character:
    case fs::file_type::block:
        return "it is a device, not a file";
    case fs::file_type::socket:
        return "it is a socket, not a file";
    default:
        return "it is not a regular file";
    }
}

// Nothing at the path, and no link either; a path through a file ("file/name") is as absent.
// A link whose target is gone is something the user made, unlike an absent file.
bool Absent(const LinkEnd& end) {
    return !end.viaLink && (end.type == fs::file_type::not_found || end.error == ENOTDIR);
}

// Looked at, never opened: the reader that follows opens it once, and a device or a pipe is
// not even opened here.
FileCheck CheckFile(const fs::path& path) {
    const LinkEnd end = FollowLinks(path);
    if (Absent(end))
        return {FileState::Missing, {}};
    const FileProblem problem = ProblemAt(path, FileUse::Read, end);
    if (problem.error != 0)
        return Unreadable(std::strerror(problem.error));
    if (problem.found == fs::file_type::not_found)
        return Unreadable("it is a symbolic link to a file that does not exist");
    if (problem.found != fs::file_type::none)
        return Unreadable(KindText(problem.found));
    if (::faccessat(AT_FDCWD, path.c_str(), R_OK, AT_EACCESS) != 0)
        return Unreadable(std::strerror(errno));
    return {FileState::Readable, {}};
}

} // namespace

FileCheck CheckReadableFile(const std::filesystem::path& path) {
    FileCheck check = CheckFile(path);
    // The reason is logged where it is found: the message people see may word it for the case.
    if (check.state == FileState::Unreadable)
        Log(LogLevel::Warning, LogCategory::Files,
            path.string() + " could not be read: " + check.reason);
    return check;
}

std::string FolderProblem(const std::filesystem::path& folder) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0)
        return errno == ENOENT ? std::string() : std::strerror(errno);
    if (!S_ISDIR(info.st_mode))
        return "it is not a folder";
    if (::access(folder.c_str(), X_OK) != 0)
        return std::strerror(errno);
    return {};
}

} // namespace ferrox
