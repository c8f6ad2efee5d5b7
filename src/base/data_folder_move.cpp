// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/data_folder_move.h"

#include "base/app_globals.h"
#include "base/instance_lock.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace ferrox {

namespace fs = std::filesystem;

namespace {

bool Exists(const fs::path& path) {
    std::error_code ec;
    return fs::symlink_status(path, ec).type() != fs::file_type::not_found;
}

bool IsFolder(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

// Creates the notice file; true only for the process that created it.
bool ClaimNotice(const fs::path& newFolder, const fs::path& oldFolder) {
    const fs::path file = newFolder / kOldFolderNoticeFile;
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0)
        return errno == EEXIST ? false : true; // a folder that takes no file is told every time
    const std::string text = "The settings in " + oldFolder.string() +
                             " were left there when this folder was found beside them.\n";
    [[maybe_unused]] const ssize_t written = ::write(fd, text.data(), text.size());
    ::close(fd);
    return true;
}

} // namespace

std::error_code RenameWithoutReplacing(const fs::path& from, const fs::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return {};
    // A file system without RENAME_NOREPLACE: the caller has seen that to does not exist, and
    // rename(2) never replaces a folder that holds anything.
    if (errno != EINVAL && errno != ENOSYS)
        return {errno, std::generic_category()};
    if (Exists(to))
        return std::make_error_code(std::errc::file_exists);
    return ::rename(from.c_str(), to.c_str()) == 0 ? std::error_code()
                                                   : std::error_code(errno, std::generic_category());
}

bool OnlyOldDataFolder(const fs::path& configHome) {
    return !Exists(configHome / kDataFolderName) && IsFolder(configHome / kOldDataFolderName);
}

bool DataFolderMoveDue(const fs::path& override) {
    return UsesDefaultDataFolder(override) && OnlyOldDataFolder(XdgConfigHome());
}

DataFolderMove SettleDataFolder(const fs::path& override, bool mayRename,
                                const FolderRename& rename) {
    DataFolderMove move;
    if (!UsesDefaultDataFolder(override))
        return move;
    const fs::path home = XdgConfigHome();
    move.oldFolder = home / kOldDataFolderName;
    move.newFolder = home / kDataFolderName;
    if (!IsFolder(move.oldFolder))
        return move;
    if (Exists(move.newFolder)) {
        move.result = DataFolderMove::Result::BothThere;
        move.firstTime = ClaimNotice(move.newFolder, move.oldFolder);
        return move;
    }
    if (!mayRename)
        return move;
    move.error = rename(move.oldFolder, move.newFolder);
    move.result = move.error ? DataFolderMove::Result::Failed : DataFolderMove::Result::Moved;
    return move;
}

DataFolderMove SettleDataFolderAside(const fs::path& override, std::chrono::milliseconds patience) {
    if (!DataFolderMoveDue(override))
        return SettleDataFolder(override, false);
    if (const std::optional<InstanceLock> lock = InstanceLock::acquire(InstanceLockPath()))
        return SettleDataFolder(override, true);
    constexpr auto kStep = std::chrono::milliseconds(10);
    for (auto waited = std::chrono::milliseconds(0);
         waited < patience && DataFolderMoveDue(override) && !ReadInstanceInfo(InstanceInfoPath());
         waited += kStep)
        std::this_thread::sleep_for(kStep);
    return SettleDataFolder(override, false);
}

std::string DescribeDataFolderMove(const DataFolderMove& move) {
    switch (move.result) {
    case DataFolderMove::Result::Failed:
        return "the data folder " + move.oldFolder.string() + " could not be moved to " +
               move.newFolder.string() + " (" + move.error.message() + "); it is used where it is";
    case DataFolderMove::Result::BothThere:
        if (!move.firstTime)
            return {};
        return "the settings are kept in " + move.newFolder.string() + "; the older folder " +
               move.oldFolder.string() +
               " was left as it is (remove it when you no longer need it; this is said once)";
    case DataFolderMove::Result::Nothing:
    case DataFolderMove::Result::Moved:
        break;
    }
    return {};
}

} // namespace ferrox
