// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "macros/macro_library_saves.h"

#include "base/app_globals.h"
#include "macros/macro_library_file.h"
#include "macros/macro_user_library.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <thread>

namespace ferrox {
namespace {

namespace fs = std::filesystem;

// Holds the first write until the test lets it go, so later saves are asked for while it is
// being written.
struct HeldFirstWrite {
    std::promise<void> started;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::atomic<int> calls{0};

    // A write that waits at its first call, then does what `then` does.
    MacroLibrarySaves::Write Wrap(MacroLibrarySaves::Write then) {
        return [this, then = std::move(then)](const MacroLibrary& library) {
            if (calls++ == 0) {
                started.set_value();
                released.wait();
            }
            return then(library);
        };
    }
};

std::wstring TextOf(const MacroLibrary& library) {
    return FormatMacroLibrary(library, MacroLocation{});
}

std::wstring TextOnDisk(const fs::path& file) {
    MacroLibrary read;
    MacroLocation ignored;
    return ReadMacroLibrary(file, read, ignored) ? TextOf(read) : L"(unreadable)";
}

class MacroLibrarySavesTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ = test::Scratch() / "saves";
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    MacroLibrarySaves::Write ToFile() {
        return [file = file()](const MacroLibrary& library) {
            return WriteMacroLibrary(file, library, MacroLocation{});
        };
    }
    // The library with one more macro named after the step.
    void Edit(int step) {
        MacroLocation at;
        ASSERT_EQ(library_.AddMacro(L"step " + std::to_wstring(step), at), MacroAddResult::Added);
    }
    fs::path file() const { return folder_ / "MacroLibraryFile.mlf"; }

    fs::path folder_;
    MacroLibrary library_;
};

// Edits go on while the first save is being written: each save writes the library as it was
// when asked for, the newest lands last, and saves still waiting are folded into the newest.
TEST_F(MacroLibrarySavesTest, TheNewestCopyLandsLastAndWaitingSavesFold) {
    HeldFirstWrite held;
    std::vector<std::wstring> written;
    std::atomic<int> writers{0};
    int mostWriters = 0;
    const auto write = held.Wrap([&](const MacroLibrary& library) {
        mostWriters = std::max(mostWriters, ++writers);
        written.push_back(TextOf(library));
        const bool saved = ToFile()(library);
        --writers;
        return saved;
    });
    std::vector<std::pair<int, bool>> told;
    std::mutex toldMutex;
    auto tell = [&](int which) {
        return [&, which](bool saved) {
            std::lock_guard lock(toldMutex);
            told.emplace_back(which, saved);
        };
    };

    std::vector<std::wstring> asked;
    {
        MacroLibrarySaves saves;
        for (int step = 0; step < 3; ++step) {
            Edit(step);
            asked.push_back(TextOf(library_));
            saves.Save(library_, write, tell(step));
            if (step == 0)
                held.started.get_future().wait();
        }
        Edit(3); // after the last save: never written
        held.release.set_value();
        saves.Wait();
        EXPECT_EQ(written, (std::vector<std::wstring>{asked[0], asked[2]}));
        EXPECT_EQ(TextOnDisk(file()), asked[2]);
        EXPECT_EQ(mostWriters, 1);
        std::lock_guard lock(toldMutex);
        EXPECT_EQ(told, (std::vector<std::pair<int, bool>>{{0, true}, {1, true}, {2, true}}));
    }
}

TEST_F(MacroLibrarySavesTest, AFailedWriteIsToldAndLaterSavesStillRun) {
    MacroLibrarySaves saves;
    std::vector<bool> told;
    Edit(0);
    saves.Save(library_, [](const MacroLibrary&) { return false; },
               [&](bool saved) { told.push_back(saved); });
    saves.Wait();
    EXPECT_FALSE(fs::exists(file()));
    Edit(1);
    saves.Save(library_, ToFile(), [&](bool saved) { told.push_back(saved); });
    saves.Wait();
    EXPECT_EQ(told, (std::vector<bool>{false, true}));
    EXPECT_EQ(TextOnDisk(file()), TextOf(library_));
}

// The program's end: what is being written and what waits behind it both reach the file.
TEST_F(MacroLibrarySavesTest, EndingFinishesEverySaveAskedFor) {
    HeldFirstWrite held;
    const auto write = held.Wrap(ToFile());
    {
        MacroLibrarySaves saves;
        Edit(0);
        saves.Save(library_, write);
        held.started.get_future().wait();
        Edit(1);
        saves.Save(library_, write);
        held.release.set_value();
    }
    EXPECT_EQ(held.calls, 2);
    EXPECT_EQ(TextOnDisk(file()), TextOf(library_));
}

// A save that waits for the disk on the caller's thread (ferroxctl's) still comes after the
// saves queued before it.
TEST_F(MacroLibrarySavesTest, AWaitingSaveOfTheUserFileComesAfterTheQueuedOnes) {
    DataFolder = folder_;
    HeldFirstWrite held;
    Edit(0);
    const std::wstring older = TextOf(library_);
    UserMacroLibrarySaves().Save(library_, held.Wrap(UserMacroLibraryWrite()));
    held.started.get_future().wait();
    Edit(1);
    std::promise<bool> saved;
    std::thread waiting([&] { saved.set_value(SaveUserMacroLibrary(library_)); });
    held.release.set_value();
    waiting.join();
    EXPECT_TRUE(saved.get_future().get());
    EXPECT_NE(TextOnDisk(UserMacroLibraryPath()), older);
    EXPECT_EQ(TextOnDisk(UserMacroLibraryPath()), TextOf(library_));
}

TEST(MacroLibraryCopy, HoldsEverySlotAndTheCounter) {
    MacroLibrary library;
    MacroLocation folder;
    ASSERT_EQ(library.AddFolder(L"Games", folder), MacroAddResult::Added);
    MacroLocation inside = folder;
    ASSERT_EQ(library.AddMacro(L"Jump", inside), MacroAddResult::Added);
    ASSERT_TRUE(library.NodeAt(inside)->macro->InsertAction(0, MacroAction::MakeKey(0x41, false)));
    // A node a file placed below a macro, where no edit could put one.
    ASSERT_TRUE(library.PlaceMacro(L"Stray", {2, 0, 0, 5}, nullptr));
    library.SetNextKeyIndex(77);
    const auto copy = library.Copy();
    EXPECT_EQ(TextOf(*copy), TextOf(library));
    EXPECT_NE(copy->NodeAt(inside)->macro.get(), library.NodeAt(inside)->macro.get());
}

} // namespace
} // namespace ferrox
