// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ferroxctl and its data folder: folder names in any script, the window working on the same
// folder or mouse, and files that may be neither read nor replaced.

#include "base/instance_lock.h"
#include "cli/ferroxctl_program.h"
#include "run_as_nobody.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace ferrox {
namespace {

namespace fs = std::filesystem;
using test::Ferroxctl;
using test::ProgramRun;
using test::Quoted;

// Every file of a folder and its bytes, to see that nothing changed.
std::map<fs::path, std::string> Snapshot(const fs::path& folder) {
    std::map<fs::path, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            std::ifstream in(entry.path(), std::ios::binary);
            files[entry.path()] = std::string(std::istreambuf_iterator<char>(in), {});
        }
    }
    return files;
}

const char* const kNames[] = {"J\xC3\xB6rg", "\xD0\xB0\xD0\xBD\xD0\xB4\xD1\x80\xD0\xB5\xD0\xB9",
                              "\xE7\x94\xA8\xE6\x88\xB7"};

// Profiles written in English are shown in Russian once the language is changed; their files
// keep the names they hold.
TEST(FerroxctlFiles, ShowNamesFunctionsInTheChosenLanguageAndLeavesTheFiles) {
    const fs::path data = test::Scratch() / "language-names";
    fs::remove_all(data);
    const std::string dir = "--data-dir " + Quoted(data);
    ASSERT_EQ(Ferroxctl(dir + " language EN").status, 0);
    const ProgramRun english = Ferroxctl(dir + " show");
    ASSERT_EQ(english.status, 0) << english.err;
    ASSERT_NE(english.out.find("\"Left Click\""), std::string::npos) << english.out;
    auto saved = Snapshot(data);
    const fs::path setting = data / "config" / "LanSetting.ini";
    saved.erase(setting);

    ASSERT_EQ(Ferroxctl(dir + " language RU").status, 0);
    const ProgramRun russian = Ferroxctl(dir + " show");
    ASSERT_EQ(russian.status, 0) << russian.err;
    EXPECT_NE(russian.out.find("\"\xD0\x9B\xD0\xB5\xD0\xB2\xD0\xB0\xD1\x8F "), std::string::npos)
        << russian.out; // "Левая кнопка"
    EXPECT_EQ(russian.out.find("Left Click"), std::string::npos) << russian.out;
    const ProgramRun json = Ferroxctl(dir + " --json show");
    EXPECT_NE(json.out.find("\"name\": \"Left Click\", \"label\": \"\xD0\x9B"),
              std::string::npos)
        << json.out;
    auto now = Snapshot(data);
    now.erase(setting);
    EXPECT_EQ(now, saved);
}

TEST(FerroxctlFolders, DataAndProgramFoldersInAnyScriptAndLocale) {
    for (const char* locale : {"C", "C.UTF-8"}) {
        for (const char* name : kNames) {
            SCOPED_TRACE(std::string(locale) + " " + name);
            const fs::path data = test::Scratch() / "scripts" / locale / name / "data";
            fs::remove_all(data);
            const std::string env = std::string("LC_ALL=") + locale;
            const std::string dir = "--data-dir " + Quoted(data) + " ";
            ProgramRun run = Ferroxctl(dir + "show", env);
            ASSERT_EQ(run.status, 0) << run.err;
            run = Ferroxctl(dir + "--simulate set rate 500", env);
            EXPECT_EQ(run.status, 0) << run.err;
            run = Ferroxctl(dir + "config", env);
            EXPECT_EQ(run.status, 0) << run.err;
            EXPECT_NE(run.out.find((data / "config" / "default0.psf").string()), std::string::npos)
                << run.out;
            EXPECT_FALSE(fs::exists(data / "config" / "config.ini.damaged"));

            // The program with its shipped files in such a folder.
            const fs::path program = test::Scratch() / "scripts" / locale / name / "program";
            fs::remove_all(program);
            fs::create_directories(program);
            fs::copy_file(FERROX_OUTPUT_DIR "/ferroxctl", program / "ferroxctl");
            fs::copy(FERROX_OUTPUT_DIR "/lang", program / "lang", fs::copy_options::recursive);
            run = Ferroxctl(dir + "language", env, (program / "ferroxctl").string());
            EXPECT_EQ(run.status, 0) << run.err;
            EXPECT_NE(run.out.find((program / "lang").string()), std::string::npos) << run.out;
        }
    }
}

// What a running window publishes beside its lock, for the runs of one test.
class BesideTheWindow : public ::testing::Test {
protected:
    void SetUp() override {
        runtime_ = test::Scratch() / "runtime";
        fs::remove_all(runtime_);
        fs::create_directories(runtime_);
        fs::permissions(runtime_, fs::perms::owner_all);
        ::setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
        windowFolder_ = test::Scratch() / "window-data";
        otherFolder_ = test::Scratch() / "other-data";
        fs::remove_all(windowFolder_);
        fs::remove_all(otherFolder_);
        ASSERT_EQ(Run(windowFolder_, "show").status, 0);
        ASSERT_EQ(Run(windowFolder_, "profile export 0 " + Quoted(Exported())).status, 0);
    }
    void StartWindow(bool realDevices) {
        lock_ = std::make_unique<InstanceLock>(*InstanceLock::acquire(InstanceLockPath()));
        ASSERT_TRUE(lock_->publish(InstanceInfoPath(), {InstanceInfo::Holder::Window,
                                                        windowFolder_, realDevices}));
    }
    ProgramRun Run(const fs::path& folder, const std::string& words) {
        return Ferroxctl("--data-dir " + Quoted(folder) + " " + words,
                         "XDG_RUNTIME_DIR=" + Quoted(runtime_));
    }
    fs::path Exported() const { return test::Scratch() / "exported.psf"; }

    fs::path runtime_, windowFolder_, otherFolder_;
    std::unique_ptr<InstanceLock> lock_;
};

TEST_F(BesideTheWindow, CommandsThatChangeItsFolderAreRefusedAndReadingWorks) {
    StartWindow(false);
    const auto before = Snapshot(windowFolder_);
    const std::string file = Quoted(Exported());
    for (const std::string& words : std::vector<std::string>{
             "profile add New", "profile rename 1 X", "profile delete 2", "profile use 1",
          "profile import 1 " + file, "macro import " + file, "macro import-set " + file,
          "language RU", "--simulate set rate 500", "--simulate apply", "--simulate reset"}) {
        const ProgramRun run = Run(windowFolder_, words);
        EXPECT_EQ(run.status, 1) << words;
        EXPECT_NE(run.err.find("the Ferrox window is running; close it first"), std::string::npos)
            << words << ": " << run.err;
    }
    EXPECT_EQ(Snapshot(windowFolder_), before);
    for (const std::string& words : std::vector<std::string>{"show", "config", "profile export 1 " + file, "macro list",
                                    "language", "--simulate status"})
        EXPECT_EQ(Run(windowFolder_, words).status, 0) << words;

    // Another data folder is no business of this window's.
    for (const char* words : {"profile add New", "language RU", "--simulate set rate 500"})
        EXPECT_EQ(Run(otherFolder_, words).status, 0) << words;
}

TEST_F(BesideTheWindow, ItsRealMouseIsItsOwnButFilesElsewhereAreNot) {
    StartWindow(true);
    const ProgramRun run = Run(otherFolder_, "set rate 500");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("the Ferrox window is running"), std::string::npos) << run.err;
    EXPECT_EQ(Run(otherFolder_, "--simulate set rate 500").status, 0);
    EXPECT_EQ(Run(otherFolder_, "profile add Mine").status, 0);
}

TEST(FerroxctlFiles, ProfileThatCanNeitherBeReadNorKeptIsLeftAloneAndReported) {
    if (!test::CanRunAsNobody())
        GTEST_SKIP() << "needs root to make a file of another user";
    const fs::path data = test::Scratch() / "held-data";
    fs::remove_all(data);
    ASSERT_EQ(Ferroxctl("--data-dir " + Quoted(data) + " show").status, 0);
    const fs::path profile = data / "config" / "default1.psf";
    test::MakeForeignFile(profile, "someone else's profile");
    const ProgramRun run = Ferroxctl("--data-dir " + Quoted(data) + " show 1",
                                     "setpriv --reuid=65534 --regid=65534 --clear-groups");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find(profile.string() + " cannot be read (Permission denied); slot 1 starts "
                                              "from defaults and the file is left as it is"),
              std::string::npos)
        << run.err;
    std::ifstream in(profile, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "someone else's profile");
    EXPECT_FALSE(fs::exists(data / "config" / "default1.psf.damaged"));
}

// --verbose logs the reason the moment the file fails; without it no log line is written.
TEST(FerroxctlFiles, VerboseGivesTheSystemsReasonForAFileThatCannotBeRead) {
    if (!test::CanRunAsNobody())
        GTEST_SKIP() << "needs root to make a file of another user";
    const fs::path data = test::Scratch() / "verbose-data";
    fs::remove_all(data);
    ASSERT_EQ(Ferroxctl("--data-dir " + Quoted(data) + " show").status, 0);
    const fs::path profile = data / "config" / "default1.psf";
    test::MakeForeignFile(profile, "someone else's profile");
    const std::string asNobody = "setpriv --reuid=65534 --regid=65534 --clear-groups";
    const std::string line =
        "ferroxctl: files warning: " + profile.string() + " could not be read: Permission denied";
    const ProgramRun verbose =
        Ferroxctl("--verbose --data-dir " + Quoted(data) + " show 1", asNobody);
    EXPECT_EQ(verbose.status, 0) << verbose.err;
    EXPECT_NE(verbose.err.find(line), std::string::npos) << verbose.err;
    const ProgramRun quiet = Ferroxctl("--data-dir " + Quoted(data) + " show 1", asNobody);
    EXPECT_EQ(quiet.err.find("ferroxctl: files "), std::string::npos) << quiet.err;
}

} // namespace
} // namespace ferrox
