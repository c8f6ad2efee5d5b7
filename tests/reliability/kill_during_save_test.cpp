// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A process that saves the configuration, the profiles and the macro library in a loop (the
// library on its saving thread, as the window does) is killed with SIGKILL at random moments. After every kill each file must read as valid and
// hold either the old or the new content, never a mix and never defaults; the temporary files
// the kills leave behind go at the next start.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <random>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

#include "macros/macro_library_file.h"
#include "macros/macro_user_library.h"
#include "reliability/save_states.h"
#include "scratch_folder.h"
#include "base/app_globals.h"
#include "settings/config_file.h"
#include "settings/config_table.h"
#include "base/stale_temp_files.h"
#include "base/text_lines.h"

extern char** environ;

namespace ferrox::test {
namespace {

namespace fs = std::filesystem;

int KillCount() {
    const char* count = std::getenv("FERROX_KILL_COUNT");
    return count && std::atoi(count) > 0 ? std::atoi(count) : 300;
}

int TempFilesIn(const fs::path& folder) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        count += entry.path().filename().string().find(".tmp") != std::string::npos;
    return count;
}

// Which of the two contents a file holds: 0, 1, or -1 for anything else.
template <typename Text>
int WhichOf(const std::optional<Text>& read, const Text& old, const Text& now) {
    if (!read)
        return -1;
    return *read == old ? 0 : *read == now ? 1 : -1;
}

class KillDuringSave : public testing::Test {
protected:
    void SetUp() override {
        folder_ = Scratch() / "kill";
        fs::remove_all(folder_);
        DataFolder = folder_;
        texts_[1] = TextsOf(1, library_);
        texts_[0] = TextsOf(0, library_);
        ASSERT_TRUE(SaveEverything(library_)); // the old content is on disk
    }

    pid_t startSaving() {
        const std::string data = folder_.string();
        char* argv[] = {const_cast<char*>(FERROX_SAVE_LOOP), const_cast<char*>(data.c_str()),
                        nullptr};
        pid_t pid = 0;
        EXPECT_EQ(posix_spawn(&pid, FERROX_SAVE_LOOP, nullptr, nullptr, argv, environ), 0);
        return pid;
    }

    // Checks every file; counts which content the files held.
    void checkFiles(int kill) {
        const auto config = ReadTextLines(ConfigFilePath(), 1 << 20, 100);
        count(WhichOf(config, texts_[0].config, texts_[1].config), "config.ini", kill);
        for (int slot = 0; slot < ProfileCount; ++slot) {
            const auto profile = ReadTextLines(ProfileSlotPath(slot), 1 << 24, 200);
            count(WhichOf(profile, texts_[0].profiles[slot], texts_[1].profiles[slot]),
                  "profile " + std::to_string(slot), kill);
        }
        MacroLocation selection;
        std::optional<std::wstring> macros;
        if (ReadMacroLibrary(UserMacroLibraryPath(), library_, selection))
            macros = FormatMacroLibrary(library_, selection);
        count(WhichOf(macros, texts_[0].macros, texts_[1].macros), "macro library", kill);
    }

    void count(int which, const std::string& file, int kill) {
        EXPECT_NE(which, -1) << file << " after kill " << kill;
        if (which >= 0)
            ++seen_[which];
    }

    fs::path folder_;
    MacroLibrary library_;
    SavedTexts texts_[2];
    int seen_[2] = {0, 0};
};

TEST_F(KillDuringSave, EveryFileHoldsTheOldOrTheNewContent) {
    std::mt19937 random(std::random_device{}());
    // Up to a few save rounds: kills fall before, inside and between the writes.
    std::uniform_int_distribution<int> delayUs(0, 40000);
    const int kills = KillCount();
    int leftTemp = 0;
    for (int kill = 0; kill < kills; ++kill) {
        const pid_t pid = startSaving();
        ASSERT_GT(pid, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random)));
        ASSERT_EQ(::kill(pid, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving process ended by itself";
        leftTemp = std::max(leftTemp, TempFilesIn(ConfigFolder()));
        checkFiles(kill);
    }
    // Not a vacuous run: both contents were on disk and some kills caught a save half-way.
    EXPECT_GT(seen_[0], 0);
    EXPECT_GT(seen_[1], 0);
    EXPECT_GT(leftTemp, 0);

    // The next start sweeps away what the killed saves left.
    RemoveStaleTempFiles(ConfigFolder());
    EXPECT_EQ(TempFilesIn(ConfigFolder()), 0);
}

} // namespace
} // namespace ferrox::test
