// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/language_table.h"
#include "macros/macro_library_file.h"
#include "macros/macro_user_library.h"
#include "settings/config_file.h"
#include "settings/profile_file.h"
#include "settings/settings_fixture.h"
#include "dead_process.h"
#include "startup/startup_load.h"

namespace ferrox {
namespace {

namespace fs = std::filesystem;

class StartupLoadTest : public test::SettingsStores {};

TEST_F(StartupLoadTest, FreshDataFolderGetsDefaultsNamedInTheLanguage) {
    ProgramFolder = DataFolder / "program";
    fs::create_directories(ProgramFolder / "lang");
    // A first run reads the locale's language (English in the tests), or the default file.
    for (const char* name : {"Lan.txt", "Lan_EN.txt"})
        test::WriteBytes(ProgramFolder / "lang" / name,
                         Unicode("[Setting]\n0=English\n85=Game\n89=Spare\n20=Left\n"));
    SensorId = 0x3104; // left over from elsewhere: the configuration decides

    UserDataLoad load = LoadUserData();
    EXPECT_TRUE(load.languageRead);
    EXPECT_FALSE(load.configRead);
    EXPECT_EQ(ProfileValue(Profiles[0], ProfileKey::ProfileName), L"Game");
    EXPECT_EQ(Profiles[4].keys[0].name, L"Left");
    EXPECT_EQ(SensorId, 0x3325);
    EXPECT_EQ(DpiSteps.count, 59u);
    for (int slot = 0; slot < ProfileCount; ++slot)
        EXPECT_TRUE(fs::exists(Config("default" + std::to_string(slot) + ".psf")));
    ProfileSettings saved;
    ASSERT_TRUE(LoadProfileFile(Config("default4.psf"), saved));
    EXPECT_EQ(ProfileValue(saved, ProfileKey::ProfileName), L"Spare");

    LanguageTable = {};
    ResetStores();
    EXPECT_TRUE(LoadUserData().configRead);
    EXPECT_EQ(ProfileValue(Profiles[0], ProfileKey::ProfileName), L"Game");
    LanguageTable = {};
}

TEST_F(StartupLoadTest, StartUpRemovesTheSavesOfKilledProcesses) {
    const pid_t dead = test::DeadPid();
    fs::create_directories(ConfigFolder());
    const fs::path stale = Config(".config.ini.tmp" + std::to_string(dead) + "-0");
    test::WriteBytes(stale, "half a save");
    LoadUserData();
    EXPECT_FALSE(fs::exists(stale));
    LanguageTable = {}; // whatever language it found is not the next test's
}

// The library is read on a thread of its own while the rest loads: the user's library is left
// as it is until Finish(), which puts the file's macros in its place.
TEST_F(StartupLoadTest, TheLibraryReadAsideTakesTheUsersPlaceOnFinish) {
    MacroLibrary onDisk;
    MacroLocation at;
    ASSERT_EQ(onDisk.AddMacro(L"From the file", at), MacroAddResult::Added);
    fs::create_directories(ConfigFolder());
    ASSERT_TRUE(WriteMacroLibrary(UserMacroLibraryPath(), onDisk, MacroLocation{}));
    MacroLibrary& user = UserMacroLibrary();
    user.Clear();
    MacroLocation earlier;
    ASSERT_EQ(user.AddMacro(L"Earlier", earlier), MacroAddResult::Added);

    UserDataLoading loading;
    EXPECT_EQ(user.NodeAt(earlier)->MacroItemName, L"Earlier");
    const UserDataLoad load = loading.Finish();
    EXPECT_TRUE(load.macrosClean);
    EXPECT_EQ(user.NodeAt(at)->MacroItemName, L"From the file");
    EXPECT_EQ(user.VisibleRowCount(), 1);
    user.Clear();
    LanguageTable = {};
}

} // namespace
} // namespace ferrox
