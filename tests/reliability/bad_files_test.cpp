// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ferroxctl against bad files: each file of a data folder, and the virtual mouse's state file,
// as a folder, a fifo, links to odd things, unreadable, or garbage. No command may hang or
// abort, nothing but a regular file may be replaced, and what could not be used is named.

#include "bad_files.h"
#include "cli/ferroxctl_program.h"
#include "dead_process.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

namespace ferrox {
namespace {

namespace fs = std::filesystem;
using test::Ferroxctl;
using test::ProgramRun;
using test::Quoted;

// Long enough for a slow machine, short enough that a hang ends the test.
constexpr const char* kTimeout = "timeout -s KILL 60 ";
constexpr const char* kAsNobody = "setpriv --reuid=65534 --regid=65534 --clear-groups ";

TEST(BadFiles, FerroxctlNeitherHangsNorAbortsNorReplacesAndNamesTheFile) {
    int row = 0;
    for (const test::FileOfData& file : test::FilesOfData()) {
        for (const test::BadFile& bad : test::BadFiles()) {
            SCOPED_TRACE(std::string(file.name) + " as " + bad.name);
            if (!test::CanMake(bad))
                continue;
            const fs::path folder = test::Scratch() / "bad-files" / std::to_string(row++);
            fs::remove_all(folder);
            const fs::path data = folder / "data";
            const fs::path state = folder / "state" / "mouse.state";
            ASSERT_EQ(Ferroxctl("--data-dir " + Quoted(data) + " show").status, 0);
            const fs::path target = *file.inDataFolder ? data / file.inDataFolder : state;
            test::MakeBad(bad, target);
            const std::string shape = test::Shape(target);
            if (bad.mode000) {
                ASSERT_TRUE(test::GiveToNobody(folder)) << folder;
            }

            const std::string prefix = std::string(kTimeout) + (bad.mode000 ? kAsNobody : "");
            const std::string dir = "--data-dir " + Quoted(data) + " ";
            std::string said;
            for (const std::string& words :
                 {dir + "show", dir + "macro list", dir + "profile add New",
                  dir + "--simulate-state " + Quoted(state) + " --simulate set rate 500"}) {
                const ProgramRun run = Ferroxctl(words, prefix);
                EXPECT_TRUE(run.status == 0 || run.status == 1)
                    << words << " ended with " << run.status << ": " << run.err;
                said += run.err;
            }
            EXPECT_EQ(test::Unchanged(bad, target, shape), "");
            if (bad.odd || bad.mode000) {
                EXPECT_NE(said.find(target.string()), std::string::npos) << said;
            }
            fs::remove_all(folder);
        }
    }
}

TEST(BadFiles, AnExportSweepsUpWhatAKilledExportLeftBeside) {
    const fs::path data = test::Scratch() / "export-data";
    const fs::path folder = test::Scratch() / "exports";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string dead = std::to_string(test::DeadPid());
    const std::string alive = std::to_string(::getpid());
    const auto make = [&](const std::string& name) {
        std::ofstream(folder / name) << "x";
        return folder / name;
    };
    const fs::path left = make(".Mine.psf.tmp" + dead + "-0");
    const fs::path otherLeft = make(".Other.psf.tmp" + dead + "-3");
    const std::vector<fs::path> kept = {make(".Mine.psf.tmp" + alive + "-1"),
                                        make("Mine.psf.tmp" + dead + "-0"),
                                        make(".Mine.psf.tmp" + dead + "-x"), make("notes.txt")};

    const ProgramRun run = Ferroxctl("--data-dir " + Quoted(data) + " profile export 1 " +
                                     Quoted(folder / "Mine.psf"));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(fs::is_regular_file(folder / "Mine.psf"));
    EXPECT_FALSE(fs::exists(left));
    EXPECT_FALSE(fs::exists(otherLeft));
    for (const fs::path& path : kept)
        EXPECT_TRUE(fs::exists(path)) << path;
}

} // namespace
} // namespace ferrox
