// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/config_file.h"
#include "settings/profile_file.h"
#include "settings/settings_fixture.h"
#include "settings/settings_saves.h"

#include <chrono>
#include <future>
#include <memory>
#include <thread>

namespace ferrox {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Holds the saving thread in a write of its own until released, so that saves are asked for
// while an earlier one has not landed.
class HeldSavingThread {
public:
    explicit HeldSavingThread(SavingThread& thread) {
        thread.Save([this] {
            started_.set_value();
            released_.wait();
            return true;
        });
        started_.get_future().wait();
    }
    // Lets the write go after a while, from another thread: the caller may be waiting on it.
    void ReleaseSoon() {
        releaser_ = std::thread([this] {
            std::this_thread::sleep_for(50ms);
            release_.set_value();
        });
    }
    ~HeldSavingThread() {
        if (releaser_.joinable())
            releaser_.join();
    }

private:
    std::promise<void> started_, release_;
    std::shared_future<void> released_ = release_.get_future().share();
    std::thread releaser_;
};

class SettingsSavesTest : public test::SettingsStores {
protected:
    void SetUp() override {
        test::SettingsStores::SetUp();
        FillConfigDefaults();
    }
    static std::wstring SavedName(int slot) {
        ProfileSettings saved;
        return LoadProfileFile(ProfileSlotPath(slot), saved)
                   ? ProfileValue(saved, ProfileKey::ProfileName)
                   : L"(unreadable)";
    }
};

// The copy is taken when the save is asked for: what changes afterwards is not written by it.
TEST_F(SettingsSavesTest, ASaveWritesTheSettingsAsTheyWereWhenAskedFor) {
    SetProfileValue(Profiles[2], ProfileKey::ProfileName, L"Asked");
    SetCurrentSlot(2);
    std::promise<bool> told;
    {
        HeldSavingThread held(SettingsSaves());
        SaveSettingsAside([&told](bool saved) { told.set_value(saved); });
        SetProfileValue(Profiles[2], ProfileKey::ProfileName, L"Later");
        SetCurrentSlot(0);
        held.ReleaseSoon();
        SettingsSaves().Wait();
    }
    EXPECT_TRUE(told.get_future().get());
    EXPECT_EQ(SavedName(2), L"Asked");
    ASSERT_TRUE(LoadConfig());
    EXPECT_EQ(CurrentSlot(), 2);
}

// A save still waiting on the saving thread holds an older copy than a write made here after
// it: the write here waits for it, so the newer settings are the ones that stay.
TEST_F(SettingsSavesTest, AnOlderCopyNeverLandsAfterANewerWrite) {
    SetProfileValue(Profiles[1], ProfileKey::ProfileName, L"Older");
    HeldSavingThread held(SettingsSaves());
    SaveSettingsAside({});
    SetProfileValue(Profiles[1], ProfileKey::ProfileName, L"Newer");
    held.ReleaseSoon();
    EXPECT_TRUE(SaveConfig());
    EXPECT_TRUE(SaveAllProfiles());
    SettingsSaves().Wait();
    EXPECT_EQ(SavedName(1), L"Newer");
}

// A file that cannot be written fails the save, and the others are still written.
TEST_F(SettingsSavesTest, AFailedFileFailsTheSaveAndTheOthersAreWritten) {
    fs::create_directories(ProfileSlotPath(3)); // a folder where the profile file belongs
    SetProfileValue(Profiles[4], ProfileKey::ProfileName, L"Kept");
    std::promise<bool> told;
    SaveSettingsAside([&told](bool saved) { told.set_value(saved); });
    EXPECT_FALSE(told.get_future().get());
    SettingsSaves().Wait();
    EXPECT_EQ(SavedName(4), L"Kept");
    EXPECT_TRUE(fs::exists(ConfigFilePath()));
}

// A program that ends while saves wait their turn still writes them: the saving thread
// finishes every save asked for before it goes.
TEST(SavingThreadTest, SavesAskedForBeforeTheEndAreWritten) {
    std::vector<int> written;
    auto thread = std::make_unique<SavingThread>();
    HeldSavingThread held(*thread);
    thread->Save([&written] { return written.push_back(1), true; });
    held.ReleaseSoon();
    thread.reset(); // while the first write is held, the second waiting its turn
    EXPECT_EQ(written, std::vector<int>{1});
}

} // namespace
} // namespace ferrox
