// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The data folder used to be $XDG_CONFIG_HOME/GamingMouseData20220725A; it is now
// $XDG_CONFIG_HOME/ferrox, where Linux users look for a program's settings. The old folder is
// moved there once, by a single rename: the folder stays whole whatever happens, and slot
// paths in its config.ini that still name the old place are read as the new folder's own
// (OwnSlotPath). A folder named by --data-dir or FERROX_DATA_DIR is never moved.

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>

namespace ferrox {

inline constexpr char kDataFolderName[] = "ferrox";
inline constexpr char kOldDataFolderName[] = "GamingMouseData20220725A";
// In the new folder: its presence says that the user has been told that the old folder was
// left beside it. Kept with what it is about, so a fresh start (the new folder removed) tells
// again.
inline constexpr char kOldFolderNoticeFile[] = "old-folder-noticed.txt";

struct DataFolderMove {
    enum class Result {
        Nothing,   // a folder of the user's own choice, nothing to move, or left to the lock's holder
        Moved,     // old renamed to new
        Failed,    // the rename failed (error): old is used as it is
        BothThere, // new is used, old is left untouched
    };
    Result result = Result::Nothing;
    std::filesystem::path oldFolder;
    std::filesystem::path newFolder;
    std::error_code error;  // Failed: why
    bool firstTime = false; // BothThere: this run claimed the one-time notice
};

// Renames from to to, never replacing anything at to.
using FolderRename = std::function<std::error_code(const std::filesystem::path& from,
                                                   const std::filesystem::path& to)>;
std::error_code RenameWithoutReplacing(const std::filesystem::path& from,
                                       const std::filesystem::path& to);

// The old folder is there and the new one is not (configHome: XdgConfigHome()).
bool OnlyOldDataFolder(const std::filesystem::path& configHome);

// True when the default folder is in use (no --data-dir, no FERROX_DATA_DIR), the new folder
// does not exist and the old one does: a rename is due.
bool DataFolderMoveDue(const std::filesystem::path& override);

// Brings the default data folder to its new place. mayRename only while this process holds
// the instance lock, so two programs starting together never both try; without it a due move
// is left to the holder (Result::Nothing). The one-time notice is claimed by creating its
// file exclusively, so of two programs only one tells.
DataFolderMove SettleDataFolder(const std::filesystem::path& override, bool mayRename,
                                const FolderRename& rename = RenameWithoutReplacing);

// For a program that does not hold the instance lock for its whole run (ferroxctl): takes the
// lock for a due move. When another program holds it, that one moves the folder as it starts
// and then publishes its InstanceInfo; this waits up to patience for that, so that it never
// works on an old folder that is being renamed under it.
DataFolderMove SettleDataFolderAside(const std::filesystem::path& override,
                                     std::chrono::milliseconds patience);

// One English line for a log or standard error; empty when there is nothing to tell
// (Nothing, Moved, or BothThere told before).
std::string DescribeDataFolderMove(const DataFolderMove& move);

} // namespace ferrox
