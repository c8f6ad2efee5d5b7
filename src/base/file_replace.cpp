// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/file_replace.h"

#include "base/regular_file.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace ferrox {

namespace fs = std::filesystem;

namespace {

std::mutex freshMutex;
std::vector<fs::path> freshModeFiles;

bool WantsFreshMode(const fs::path& file) {
    std::lock_guard lock(freshMutex);
    return std::find(freshModeFiles.begin(), freshModeFiles.end(), ComparablePath(file)) !=
           freshModeFiles.end();
}

void ForgetFreshMode(const fs::path& file) {
    std::lock_guard lock(freshMutex);
    std::erase(freshModeFiles, ComparablePath(file));
}

// Best effort: makes the rename itself survive a power cut.
void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t wrote = ::write(fd, bytes.data(), bytes.size());
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return false;
        bytes.remove_prefix(std::size_t(wrote));
    }
    return true;
}

} // namespace

std::optional<SaveTarget> ChooseSaveTarget(const fs::path& path, FileProblem& problem) {
    const LinkEnd end = FollowLinks(path);
    problem = ProblemAt(path, FileUse::Save, end);
    if (end.type == fs::file_type::not_found && !end.viaLink)
        return SaveTarget{path, false, std::nullopt};
    if (end.type != fs::file_type::regular)
        return std::nullopt;
    // A mode its owner cannot read the file with is no mode to keep.
    const bool healthy = (end.mode & S_IRUSR) && !WantsFreshMode(end.file);
    return SaveTarget{end.file, true,
                      healthy ? std::optional<mode_t>(end.mode & 0777) : std::nullopt};
}

int CreateTempBeside(const SaveTarget& target, fs::path& tempPath, FileProblem& problem) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        // Cut so that a long file name still leaves room for the suffix.
        const std::string name = "." + target.file.filename().string().substr(0, 160) + ".tmp" +
                                 std::to_string(::getpid()) + "-" + std::to_string(counter++);
        tempPath = target.file.parent_path() / name;
        const int fd = ::open(tempPath.c_str(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0) {
            if (target.keepMode)
                ::fchmod(fd, *target.keepMode);
            return fd;
        }
        if (errno != EEXIST) {
            problem.error = errno;
            break;
        }
    }
    tempPath.clear();
    return -1;
}

bool PutInPlace(const fs::path& tempPath, const SaveTarget& target, FileProblem& problem) {
    // Looked at again: something else may have taken the file's place while it was written.
    const LinkEnd now = FollowLinks(target.file);
    const bool free = now.type == fs::file_type::regular ||
                      (now.type == fs::file_type::not_found && !now.viaLink);
    problem = ProblemAt(target.file, FileUse::Save, now);
    bool placed = false;
    if (free && now.file == target.file) {
        placed = ::rename(tempPath.c_str(), target.file.c_str()) == 0;
        problem.error = placed ? 0 : errno;
    } else if (free) {
        // A link put where the file was: the save is not taken through it.
        problem.found = fs::file_type::symlink;
        problem.linkTarget.clear();
    }
    if (!placed) {
        ::unlink(tempPath.c_str());
        return false;
    }
    SyncFolder(target.file.parent_path());
    ForgetFreshMode(target.file);
    return true;
}

bool ReplaceFileBytes(const fs::path& path, std::string_view bytes, FileProblem& problem) {
    const std::optional<SaveTarget> target = ChooseSaveTarget(path, problem);
    if (!target)
        return false;
    fs::path temp;
    const int fd = CreateTempBeside(*target, temp, problem);
    if (fd < 0)
        return false;
    const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    problem.error = written ? 0 : errno;
    if (::close(fd) != 0 || !written) {
        ::unlink(temp.c_str());
        return false;
    }
    return PutInPlace(temp, *target, problem);
}

void ReplaceWithFreshMode(const fs::path& path) {
    std::lock_guard lock(freshMutex);
    fs::path file = ComparablePath(path);
    if (std::find(freshModeFiles.begin(), freshModeFiles.end(), file) == freshModeFiles.end())
        freshModeFiles.push_back(std::move(file));
}

} // namespace ferrox
