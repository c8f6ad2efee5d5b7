// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the lock and the socket live: only a runtime folder nobody else can reach.

#include "base/instance_lock.h"
#include "run_as_nobody.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace ferrox {
namespace {
namespace fs = std::filesystem;

// Another user who can write to $XDG_RUNTIME_DIR could hold the lock and keep the window from
// starting; such a folder is passed over for the private one under /tmp.
TEST(InstanceRuntimeFolder, OnlyAPrivateFolderOfThisUserIsTaken) {
    const fs::path base = test::Scratch() / "runtime-folders";
    fs::remove_all(base);
    fs::create_directories(base);
    const fs::path fallback = fs::path("/tmp") / ("ferrox-" + std::to_string(::getuid()));
    const std::string before = std::getenv("XDG_RUNTIME_DIR") ? std::getenv("XDG_RUNTIME_DIR") : "";
    struct Case {
        const char* name;
        mode_t mode;
        bool foreign;
        bool taken;
    };
    const Case cases[] = {
        {"private", 0700, false, true},
        {"writable by all", 0777, false, false},
        {"sticky and writable by all", 01777, false, false},
        {"readable by the group", 0750, false, false},
        {"another user's", 0700, true, false},
    };
    for (const Case& c : cases) {
        if (c.foreign && !test::CanRunAsNobody())
            continue;
        const fs::path folder = base / c.name;
        fs::create_directory(folder);
        ASSERT_EQ(::chmod(folder.c_str(), c.mode), 0);
        if (c.foreign) {
            ASSERT_EQ(::chown(folder.c_str(), test::kNobody, test::kNobody), 0);
        }
        ::setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
        EXPECT_EQ(InstanceRuntimeFolder(), c.taken ? folder : fallback) << c.name;
    }
    ::setenv("XDG_RUNTIME_DIR", (base / "missing").c_str(), 1);
    EXPECT_EQ(InstanceRuntimeFolder(), fallback);
    fs::create_directory_symlink(base / "private", base / "link");
    ::setenv("XDG_RUNTIME_DIR", (base / "link").c_str(), 1);
    EXPECT_EQ(InstanceRuntimeFolder(), fallback) << "a link is not the folder itself";
    struct stat st {};
    ASSERT_EQ(::lstat(fallback.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    ::setenv("XDG_RUNTIME_DIR", before.c_str(), 1);
}

} // namespace
} // namespace ferrox
