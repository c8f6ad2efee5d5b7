// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/stale_temp_files.h"

#include "dead_process.h"
#include "scratch_folder.h"

#include <fstream>

namespace ferrox {
namespace {

namespace fs = std::filesystem;

class StaleTempFilesTest : public testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    fs::path make(const std::string& name) {
        const fs::path path = folder_ / name;
        std::ofstream(path) << "x";
        return path;
    }
    const fs::path folder_ = test::Scratch() / "config";
};

TEST_F(StaleTempFilesTest, OnlyTheSavesOfEndedProcessesGo) {
    const std::string dead = std::to_string(test::DeadPid());
    const std::string alive = std::to_string(getpid());
    const fs::path stale = make(".config.ini.tmp" + dead + "-3");
    const fs::path staleProfile = make(".default0.psf.tmp" + dead + "-12");
    const std::vector<fs::path> kept = {
        make(".config.ini.tmp" + alive + "-0"), // a save in progress
        make("config.ini"),
        make("default0.psf.tmp" + dead + "-1"), // not hidden: not one of ours
        make(".config.ini.tmp" + dead + "-"),
        make(".config.ini.tmp" + dead + "x-1"),
        make(".config.ini.tmp-1"),
        make(".tmp" + dead + "-1"),
    };
    fs::create_directories(folder_ / (".folder.tmp" + dead + "-1"));

    EXPECT_EQ(RemoveStaleTempFiles(folder_), 2);
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_FALSE(fs::exists(staleProfile));
    for (const fs::path& path : kept)
        EXPECT_TRUE(fs::exists(path)) << path;
    EXPECT_TRUE(fs::is_directory(folder_ / (".folder.tmp" + dead + "-1")));
    EXPECT_EQ(RemoveStaleTempFiles(folder_ / "missing"), 0);
}

// A save through a link writes its temporary file beside the file the link names, so that
// is where a killed save left it.
TEST_F(StaleTempFilesTest, BesideAFileMeansBesideWhatALinkNames) {
    const std::string dead = std::to_string(test::DeadPid());
    fs::create_directories(folder_ / "real");
    fs::create_symlink("real/export.psf", folder_ / "export.psf");
    const fs::path there = folder_ / "real" / (".export.psf.tmp" + dead + "-0");
    std::ofstream(there) << "x";
    const fs::path here = make(".export.psf.tmp" + dead + "-1");
    // A link of that name is no file of a save; only the link itself would go.
    fs::create_symlink(make("keep"), folder_ / (".keep.tmp" + dead + "-2"));

    EXPECT_EQ(RemoveStaleTempFilesBeside(folder_ / "export.psf"), 1);
    EXPECT_FALSE(fs::exists(there));
    EXPECT_TRUE(fs::exists(here));
    EXPECT_EQ(RemoveStaleTempFilesBeside(folder_ / "x.psf"), 1);
    EXPECT_FALSE(fs::exists(here));
    EXPECT_TRUE(fs::is_symlink(folder_ / (".keep.tmp" + dead + "-2")));
}

} // namespace
} // namespace ferrox
