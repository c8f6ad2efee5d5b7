// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The data folder's move from its old name to $XDG_CONFIG_HOME/ferrox: once, by rename, only
// by the instance lock's holder, never for a folder the user named, and what is said when it
// cannot be done or both folders are there.

#include "base/app_globals.h"
#include "base/data_folder_move.h"
#include "base/instance_lock.h"
#include "cli/ferroxctl_program.h"
#include "environment_variable.h"
#include "run_as_nobody.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>

namespace ferrox {
namespace {

namespace fs = std::filesystem;
using test::Ferroxctl;
using test::ProgramRun;
using test::EnvironmentVariable;
using test::Quoted;

ino_t Inode(const fs::path& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Write(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

// A config home of its own, with no FERROX_DATA_DIR, as a user's session has.
class DataFolderMoveTest : public ::testing::Test {
protected:
    void SetUp() override {
        home_ = test::Scratch() / "config-home" /
                ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(home_);
        fs::create_directories(home_);
        Write(oldFolder() / "config" / "config.ini", "old settings");
        ::setenv("XDG_CONFIG_HOME", home_.c_str(), 1);
    }
    fs::path oldFolder() const { return home_ / kOldDataFolderName; }
    fs::path newFolder() const { return home_ / kDataFolderName; }

    fs::path home_;
    EnvironmentVariable noDataDir_{"FERROX_DATA_DIR", nullptr};
    EnvironmentVariable configHome_{"XDG_CONFIG_HOME", nullptr};
};

TEST_F(DataFolderMoveTest, OldFolderIsRenamedOnceAndThenUsed) {
    EXPECT_EQ(ChooseDataFolder(), oldFolder()) << "before the move the old folder is the one";
    const ino_t inode = Inode(oldFolder());
    const DataFolderMove move = SettleDataFolder({}, true);
    EXPECT_EQ(move.result, DataFolderMove::Result::Moved);
    EXPECT_FALSE(fs::exists(oldFolder()));
    EXPECT_EQ(Inode(newFolder()), inode) << "renamed, not copied";
    EXPECT_EQ(Read(newFolder() / "config" / "config.ini"), "old settings");
    EXPECT_EQ(ChooseDataFolder(), newFolder());
    EXPECT_EQ(SettleDataFolder({}, true).result, DataFolderMove::Result::Nothing);
    EXPECT_EQ(DescribeDataFolderMove(move), "");
}

TEST_F(DataFolderMoveTest, NothingMovesForANamedFolderOrWithoutTheLock) {
    struct Case {
        const char* what;
        fs::path override;
        const char* environment;
        bool mayRename;
    };
    const Case cases[] = {
        {"--data-dir", home_ / "mine", nullptr, true},
        {"FERROX_DATA_DIR", {}, "/tmp/elsewhere", true},
        {"--data-dir naming the new place", newFolder(), nullptr, true},
        {"another program holds the lock", {}, nullptr, false},
    };
    for (const Case& c : cases) {
        const EnvironmentVariable dataDir("FERROX_DATA_DIR", c.environment);
        EXPECT_EQ(SettleDataFolder(c.override, c.mayRename).result, DataFolderMove::Result::Nothing)
            << c.what;
        EXPECT_TRUE(fs::exists(oldFolder() / "config" / "config.ini")) << c.what;
        EXPECT_FALSE(fs::exists(newFolder())) << c.what;
    }
}

TEST_F(DataFolderMoveTest, FailedRenameLeavesTheOldFolderInUseAndSaysWhy) {
    const DataFolderMove move = SettleDataFolder({}, true, [](const fs::path&, const fs::path&) {
        return std::make_error_code(std::errc::cross_device_link);
    });
    EXPECT_EQ(move.result, DataFolderMove::Result::Failed);
    EXPECT_EQ(ChooseDataFolder(), oldFolder());
    const std::string said = DescribeDataFolderMove(move);
    EXPECT_NE(said.find(oldFolder().string() + " could not be moved to " + newFolder().string() +
                        " (" + std::make_error_code(std::errc::cross_device_link).message() +
                        "); it is used where it is"),
              std::string::npos)
        << said;
}

TEST_F(DataFolderMoveTest, BothFoldersKeepTheNewOneAndTellOnce) {
    Write(newFolder() / "config" / "config.ini", "new settings");
    for (const bool first : {true, false}) {
        const DataFolderMove move = SettleDataFolder({}, true);
        EXPECT_EQ(move.result, DataFolderMove::Result::BothThere);
        EXPECT_EQ(move.firstTime, first);
        EXPECT_EQ(DescribeDataFolderMove(move).empty(), !first);
    }
    EXPECT_EQ(ChooseDataFolder(), newFolder());
    EXPECT_EQ(Read(oldFolder() / "config" / "config.ini"), "old settings");
    EXPECT_EQ(std::distance(fs::recursive_directory_iterator(oldFolder()), {}), 2)
        << "nothing was written into the old folder";
}

TEST_F(DataFolderMoveTest, RenameNeverReplacesAFolderThatAppearedMeanwhile) {
    fs::create_directories(newFolder());
    EXPECT_EQ(RenameWithoutReplacing(oldFolder(), newFolder()),
              std::make_error_code(std::errc::file_exists));
    EXPECT_EQ(Read(oldFolder() / "config" / "config.ini"), "old settings");
    EXPECT_TRUE(fs::is_empty(newFolder()));
}

// ferroxctl as a user runs it, with only the config home set.
class FerroxctlDataFolderMove : public DataFolderMoveTest {
protected:
    ProgramRun Run(const std::string& words, const std::string& prefix = "") {
        return Ferroxctl(words, prefix + " env -u FERROX_DATA_DIR XDG_CONFIG_HOME=" + Quoted(home_));
    }
};

TEST_F(FerroxctlDataFolderMove, MovedFolderReadsItsSlotFilesInTheirNewPlace) {
    fs::remove_all(oldFolder());
    // A folder as an earlier version left it: config.ini names its slot files there.
    ASSERT_EQ(Ferroxctl("--data-dir " + Quoted(oldFolder()) + " profile rename 1 Kept").status, 0);
    const ProgramRun run = Run("config");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_FALSE(fs::exists(oldFolder()));
    EXPECT_NE(run.out.find((newFolder() / "config" / "default0.psf").string()), std::string::npos)
        << run.out;
    EXPECT_EQ(run.out.find(oldFolder().string()), std::string::npos) << run.out;
    const ProgramRun show = Run("show 1");
    EXPECT_EQ(show.status, 0) << show.err;
    EXPECT_NE(show.out.find("Kept"), std::string::npos) << show.out;
}

TEST_F(FerroxctlDataFolderMove, WindowHoldingTheLockMovesItNotFerroxctl) {
    auto lock = InstanceLock::acquire(InstanceLockPath());
    ASSERT_TRUE(lock);
    ASSERT_TRUE(lock->publish(InstanceInfoPath(),
                              {InstanceInfo::Holder::Window, home_ / "window-data", false}));
    const ProgramRun run = Run("config");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(fs::exists(oldFolder() / "config" / "config.ini"));
    EXPECT_FALSE(fs::exists(newFolder()));
    EXPECT_NE(run.out.find(oldFolder().string()), std::string::npos) << run.out;
}

TEST_F(FerroxctlDataFolderMove, BothFoldersAreToldOfOnceOnStandardError) {
    Write(newFolder() / "config" / "config.ini", "");
    const ProgramRun first = Run("config");
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_NE(first.err.find("ferroxctl: notice: the settings are kept in " + newFolder().string() +
                             "; the older folder " + oldFolder().string() + " was left as it is"),
              std::string::npos)
        << first.err;
    const ProgramRun second = Run("config");
    EXPECT_EQ(second.err.find("older folder"), std::string::npos) << second.err;
    EXPECT_EQ(Read(oldFolder() / "config" / "config.ini"), "old settings");
}

TEST_F(FerroxctlDataFolderMove, RenameRefusedBySystemWarnsAndUsesTheOldFolder) {
    if (!test::CanRunAsNobody())
        GTEST_SKIP() << "needs root to run as another user";
    // The config home is root's, the folder in it nobody's: nobody may use it but not rename it.
    fs::permissions(home_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                               fs::perms::others_read | fs::perms::others_exec);
    for (const auto& entry : fs::recursive_directory_iterator(oldFolder()))
        ASSERT_EQ(::chown(entry.path().c_str(), test::kNobody, test::kNobody), 0);
    ASSERT_EQ(::chown(oldFolder().c_str(), test::kNobody, test::kNobody), 0);
    const ProgramRun run =
        Run("config", "setpriv --reuid=65534 --regid=65534 --clear-groups");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("ferroxctl: warning: the data folder " + oldFolder().string() +
                           " could not be moved to " + newFolder().string() +
                           " (Permission denied); it is used where it is"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.out.find(oldFolder().string()), std::string::npos) << run.out;
    EXPECT_FALSE(fs::exists(newFolder()));
}

} // namespace
} // namespace ferrox
