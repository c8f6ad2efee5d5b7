// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table of bad files both programs are run against: each file of a data folder, and the
// virtual mouse's state file, replaced by something a program must neither hang on, nor crash
// on, nor replace. Mode 000 is made for the user "nobody" (needs root to set up).

#include "odd_files.h"
#include "run_as_nobody.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace ferrox::test {

struct BadFile {
    const char* name;
    std::optional<Odd> odd; // nothing: a regular file, unreadable (mode 000) or garbage
    bool mode000 = false;
};
inline const std::vector<BadFile>& BadFiles() {
    static const std::vector<BadFile> rows = {
        {"a folder", Odd::Folder},
        {"a symbolic link loop", Odd::LinkLoop},
        {"a dangling symbolic link", Odd::LinkToNothing},
        {"a symbolic link to a fifo", Odd::LinkToFifo},
        {"a symbolic link to a device node", Odd::LinkToDevice},
        {"a fifo", Odd::Fifo},
        {"mode 000 for a user", std::nullopt, true},
        {"50 MB of garbage", std::nullopt},
    };
    return rows;
}

inline bool CanMake(const BadFile& bad) {
    return bad.mode000 ? CanRunAsNobody() : !bad.odd || !NeedsRoot(*bad.odd);
}

struct FileOfData {
    const char* name;
    // The file within a data folder; empty for the state file, which is given on its own.
    const char* inDataFolder;
};
inline const std::vector<FileOfData>& FilesOfData() {
    static const std::vector<FileOfData> files = {
        {"config.ini", "config/config.ini"},
        {"a profile", "config/default1.psf"},
        {"the macro library", "config/MacroLibraryFile.mlf"},
        {"the virtual-mouse state file", ""},
    };
    return files;
}

constexpr std::size_t kGarbageBytes = 50u << 20;

// Puts the bad file at path, in place of whatever is there.
inline void MakeBad(const BadFile& bad, const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
    std::filesystem::create_directories(path.parent_path());
    if (bad.odd) {
        MakeOdd(*bad.odd, path);
        return;
    }
    std::ofstream out(path, std::ios::binary);
    if (bad.mode000) {
        out << "[Setting]\n";
        out.close();
        ::chmod(path.c_str(), 0);
        return;
    }
    std::mt19937 random(7);
    std::string block(1 << 20, '\0');
    for (std::size_t written = 0; written < kGarbageBytes; written += block.size()) {
        for (char& c : block)
            c = char(random());
        out.write(block.data(), std::streamsize(block.size()));
    }
}

// Hands a folder and all in it to "nobody", for the mode 000 rows; false when any of it stayed
// with its owner, which would let those rows pass without testing anything.
[[nodiscard]] inline bool GiveToNobody(const std::filesystem::path& folder) {
    bool given = ::chown(folder.c_str(), kNobody, kNobody) == 0;
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(folder, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
        given = ::lchown(it->path().c_str(), kNobody, kNobody) == 0 && given;
    return given && !ec;
}

// What a bad file must still be after the programs ran: the same thing, unless it was a
// regular file, which may have been replaced, but never by a file of mode 000.
inline std::string Unchanged(const BadFile& bad, const std::filesystem::path& path,
                             const std::string& shapeBefore) {
    if (bad.odd)
        return Shape(path) == shapeBefore ? "" : "became " + Shape(path);
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return "is no regular file any more";
    const bool untouched = bad.mode000 ? (st.st_mode & 0777) == 0 : st.st_size == off_t(kGarbageBytes);
    if (!untouched && (st.st_mode & 0777) == 0)
        return "was rewritten with mode 000";
    return "";
}

} // namespace ferrox::test
