// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window against bad files: started with a file of its data folder, or its virtual mouse's
// state file, replaced by a folder, a fifo, a link to an odd thing or garbage, it still comes
// up (on defaults in memory), says which files it could not use, and replaces none of them.

#include "app/dialogs/attention_dlg.h"
#include "app/ferrox_process.h"
#include "bad_files.h"
#include "base/app_globals.h"
#include "base/instance_lock.h"
#include "base/path_text.h"
#include "base/text_file.h"
#include "cli/ferroxctl_program.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

#include <QProcess>

#include <csignal>

namespace ferrox {
namespace {

namespace fs = std::filesystem;

class WindowBadFiles : public test::WindowTest {};

// The notice the window shows of the files it could not use.
std::wstring NoticeText(CFerroxDlg& window) {
    const auto* notice = dynamic_cast<const CAttentionDlg*>(window.Notices().HeldFilesNoticeWindow());
    return notice ? notice->Message() : std::wstring();
}

TEST_F(WindowBadFiles, StartsOnDefaultsNamesTheFileAndReplacesNothing) {
    for (const test::FileOfData& file : test::FilesOfData()) {
        if (!*file.inDataFolder)
            continue; // the fixture's mouse keeps no state file
        for (const test::BadFile& bad : test::BadFiles()) {
            SCOPED_TRACE(std::string(file.name) + " as " + bad.name);
            if (bad.mode000 || !test::CanMake(bad))
                continue; // the window runs inside this test's process, as root
            StartWindow();
            CloseWindow();
            const fs::path target = DataFolder / file.inDataFolder;
            test::MakeBad(bad, target);
            const std::string shape = test::Shape(target);
            RestartWindow();
            ASSERT_TRUE(Window().isVisible());
            if (bad.odd) {
                EXPECT_NE(NoticeText(Window()).find(PathText(target)), std::wstring::npos)
                    << ToUtf8(NoticeText(Window()));
            }
            CloseWindow(); // saves what is pending
            EXPECT_EQ(test::Unchanged(bad, target, shape), "");
        }
    }
}

// The real program: it must come up and answer on its socket (a window stuck reading a fifo
// would hold the single-instance lock and never answer), or end at once naming the file.
TEST(WindowProgramBadFiles, ComesUpOrEndsNamingTheFile) {
    int row = 0;
    for (const test::FileOfData& file : test::FilesOfData()) {
        for (const test::BadFile& bad : test::BadFiles()) {
            SCOPED_TRACE(std::string(file.name) + " as " + bad.name);
            if (bad.mode000 || !test::CanMake(bad))
                continue;
            const fs::path runtime = test::FreshRuntime("bad-files-window");
            ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
            const fs::path folder = test::Scratch() / "bad-window" / std::to_string(row++);
            fs::remove_all(folder);
            const fs::path data = folder / "data";
            const fs::path state = folder / "mouse.state";
            ASSERT_EQ(test::Ferroxctl("--data-dir " + test::Quoted(data) + " show").status, 0);
            const fs::path target = *file.inDataFolder ? data / file.inDataFolder : state;
            test::MakeBad(bad, target);
            const std::string shape = test::Shape(target);

            QProcess window;
            window.setProcessEnvironment(test::ProcessEnv(runtime));
            window.start(test::kFerrox,
                         {"--data-dir", QString::fromStdString(data.string()), "--simulate-state",
                          QString::fromStdString(state.string())});
            ASSERT_TRUE(window.waitForStarted());
            const bool up = test::WaitFor([&] {
                std::error_code ec;
                return window.state() == QProcess::NotRunning ||
                       fs::exists(InstanceSocketPath(), ec);
            });
            ASSERT_TRUE(up) << "neither up nor ended";
            if (window.state() == QProcess::Running) {
                const test::ProgramRun poke = test::Ferroxctl(
                    "virtual battery 50",
                    "XDG_RUNTIME_DIR=" + test::Quoted(runtime) + " timeout -s KILL 20");
                EXPECT_EQ(poke.status, 0) << poke.err;
                ::kill(pid_t(window.processId()), SIGTERM);
                EXPECT_TRUE(window.waitForFinished(20000));
                EXPECT_EQ(window.exitStatus(), QProcess::NormalExit);
            } else {
                const std::string said = window.readAllStandardError().toStdString();
                EXPECT_NE(said.find(target.string()), std::string::npos) << said;
            }
            EXPECT_EQ(test::Unchanged(bad, target, shape), "");
            fs::remove_all(folder);
        }
    }
}

} // namespace
} // namespace ferrox
