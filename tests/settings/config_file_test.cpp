// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/text_file.h"
#include "settings/config_file.h"
#include "settings/profile_file.h"
#include "settings/settings_fixture.h"

#include "base/damaged_file.h"
#include "base/path_text.h"
#include "run_as_nobody.h"

#include <clocale>

namespace ferrox {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::Utf16le;
using test::WriteBytes;

class ConfigFileTest : public test::SettingsStores {
protected:
    std::string DefaultConfigBytes() const {
        return Unicode(test::Fixture("config_first_run.txt", {{"DATA", DataFolder.string()}}));
    }
    void WriteConfigText(const std::string& text) {
        fs::create_directories(ConfigFolder());
        WriteBytes(Config("config.ini"), Unicode(text));
    }
    std::string ValidConfigText(const std::string& current = "0") const {
        std::string text = "[Setting]\nNeedPassword=0\nSensor=0x3325\nPreST=0xCCDA\n"
                           "Mac_ID=0xFFFFFFFF\nDataChange=0x1234\nCurrentProfile=" +
                           current + "\nProfileShowCount=4\n";
        for (int i = 0; i < 5; ++i)
            text += "ProfileShowList" + std::to_string(i) + "=" + std::to_string(i) + "\n";
        for (int i = 0; i < 5; ++i)
            text += "ProfileSlot" + std::to_string(i) +
                    "URL=" + (ConfigFolder() / ("p" + std::to_string(i) + ".psf")).string() + "\n";
        return text;
    }
};

TEST_F(ConfigFileTest, FirstRunWritesTheDefaultFiles) {
    EXPECT_FALSE(LoadConfig());
    EXPECT_TRUE(test::SameBytes(ReadBytes(Config("config.ini")), DefaultConfigBytes()));
    for (int slot = 0; slot < ProfileCount; ++slot)
        EXPECT_TRUE(test::SameBytes(ReadBytes(Config("default" + std::to_string(slot) + ".psf")),
                                    DefaultProfileBytes()))
            << slot;
    // A second start reads what the first wrote and changes nothing.
    ConfigTable = {};
    EXPECT_TRUE(LoadConfig());
    EXPECT_TRUE(test::SameBytes(ReadBytes(Config("config.ini")), DefaultConfigBytes()));
    EXPECT_EQ(std::distance(fs::directory_iterator(ConfigFolder()), fs::directory_iterator()), 6);
}

TEST_F(ConfigFileTest, MalformedFilesFallBackToDefaults) {
    const std::string valid = ValidConfigText();
    std::string eighteen = valid + "Extra=1\n";
    std::string emptyValue = valid;
    emptyValue.replace(emptyValue.find("CurrentProfile=0"), 16, "CurrentProfile=");
    std::string crlf;
    for (char c : valid)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"wrong header", Unicode("[Settings]\n" + valid.substr(10))},
        {"empty value", Unicode(emptyValue)},
        {"equals first", Unicode("[Setting]\n=1\n")},
        {"no equals", Unicode("[Setting]\nNeedPassword\n")},
        {"eighteen pairs", Unicode(eighteen)},
        {"crlf line ends", Unicode(crlf)},
        {"empty file", ""},
        {"binary", std::string("\x00\x01\xFF\xFE\x3D\x00\x0A\x00\xD8\x00", 10)},
        {"huge", Unicode("[Setting]\nNeedPassword=" + std::string(1 << 20, '1') + "\n")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetStores();
        fs::remove_all(ConfigFolder()); // each case's copy is the first one
        fs::create_directories(ConfigFolder());
        WriteBytes(Config("config.ini"), c.bytes);
        EXPECT_FALSE(LoadConfig());
        EXPECT_EQ(ConfigValue(ConfigKey::ProfileShowCount), L"3");
        EXPECT_TRUE(test::SameBytes(ReadBytes(Config("config.ini")), DefaultConfigBytes()));
        EXPECT_TRUE(test::SameBytes(ReadBytes(Config("config.ini.damaged")), c.bytes));
    }
}

TEST_F(ConfigFileTest, ValidFilesAreTakenByPosition) {
    // Fewer lines: the pairs the file does not have take their defaults, so a save writes all
    // seventeen keys and the next start still finds a valid file.
    WriteConfigText("[Setting]\nNeedPassword=0\nSensor=0x3325\nPreST=0xCCDA\n");
    EXPECT_TRUE(LoadConfig());
    EXPECT_EQ(ConfigValue(ConfigKey::NeedPassword), L"0");
    EXPECT_EQ(ConfigTable[ConfigKey::CurrentProfile].key, L"CurrentProfile");
    ASSERT_TRUE(SaveConfig());
    const std::array<KeyValuePair, ConfigPairCount> saved = ConfigTable;
    std::string expected = "[Setting]\nNeedPassword=0\n";
    for (int pair = ConfigKey::Sensor; pair < ConfigPairCount; ++pair)
        expected += ToUtf8(DefaultConfigPair(pair).key + L"=" + DefaultConfigPair(pair).value) + "\n";
    EXPECT_TRUE(test::SameBytes(ReadBytes(Config("config.ini")), Unicode(expected)));
    ResetStores();
    EXPECT_TRUE(LoadConfig()) << "the saved file is valid";
    EXPECT_EQ(ConfigTable, saved);

    // Another order keeps it: keys travel with their line.
    ResetStores();
    WriteConfigText("[Setting]\nSensor=0x3325\nNeedPassword=0\nPreST=0xCCDA\n");
    EXPECT_TRUE(LoadConfig());
    EXPECT_EQ(ConfigTable[0].key, L"Sensor");
    EXPECT_EQ(ConfigTable[0].value, L"0x3325");
}

TEST_F(ConfigFileTest, InvalidConfigurationKeepsReadableProfiles) {
    fs::create_directories(ConfigFolder());
    ResetProfile(Profiles[1], 1);
    SetProfileValue(Profiles[1], ProfileKey::ProfileName, L"Mine");
    Profiles[1].keys[2].function = {0x70, 0x01, 0x06};
    FillConfigDefaults();
    ASSERT_TRUE(WriteProfileFile(1, ProfileSlotPath(1)));
    const std::string mine = ReadBytes(Config("default1.psf"));
    WriteBytes(Config("config.ini"), Unicode("[Setting]\r\n"));

    ResetStores();
    EXPECT_FALSE(LoadConfig());
    EXPECT_EQ(ProfileValue(Profiles[1], ProfileKey::ProfileName), L"Mine");
    EXPECT_EQ(Profiles[1].keys[2].function, (ButtonFunction{0x70, 0x01, 0x06}));
    EXPECT_TRUE(test::SameBytes(ReadBytes(Config("default1.psf")), mine));
    EXPECT_TRUE(test::SameBytes(ReadBytes(Config("default0.psf")), DefaultProfileBytes()));
}

TEST_F(ConfigFileTest, DamagedProfileIsResetAndKeptAside) {
    WriteConfigText(ValidConfigText());
    ResetProfile(Profiles[0], 0);
    ASSERT_TRUE(WriteProfileFile(0, Config("p0.psf")));
    const std::string damaged = Unicode("[Setting]\nProfileName=half");
    WriteBytes(Config("p2.psf"), damaged);

    ResetStores();
    EXPECT_TRUE(LoadConfig());
    EXPECT_TRUE(test::SameBytes(ReadBytes(Config("p2.psf")), DefaultProfileBytes()));
    EXPECT_TRUE(test::SameBytes(ReadBytes(Config("p2.psf.damaged")), damaged));
    EXPECT_TRUE(test::SameBytes(ReadBytes(Config("p0.psf")), DefaultProfileBytes()));
}

TEST_F(ConfigFileTest, SensorCheckResetsDpiLevelsAndKeepsTheCurrentSlot) {
    std::string text = ValidConfigText("2");
    text.replace(text.find("Sensor=0x3325"), 13, "Sensor=0x3360");
    WriteConfigText(text);
    for (int slot = 0; slot < ProfileCount; ++slot) {
        Profiles[slot].dpiStep.fill(5);
        Profiles[slot].keys[0].name = L"kept";
    }
    FillConfigDefaults();
    for (int slot = 0; slot < ProfileCount; ++slot)
        ASSERT_TRUE(WriteProfileFile(slot, Config("p" + std::to_string(slot) + ".psf")));

    ResetStores();
    EXPECT_TRUE(LoadConfig());
    EXPECT_EQ(SensorId, 0x3360);
    EXPECT_EQ(ConfigValue(ConfigKey::PreST), L"0xCC9F");
    EXPECT_EQ(CurrentSlot(), 2);
    const std::string written = ReadBytes(Config("config.ini"));
    EXPECT_NE(written.find(Utf16le("PreST=0xCC9F\n")), std::string::npos);
    EXPECT_NE(written.find(Utf16le("CurrentProfile=2\n")), std::string::npos);
    ProfileSettings reread;
    ASSERT_TRUE(LoadProfileFile(Config("p4.psf"), reread));
    EXPECT_EQ(reread.dpiStep, (std::array<std::uint16_t, 8>{3, 7, 15, 31, 49, 59, 59, 59}));
    EXPECT_EQ(reread.keys[0].name, L"kept");
}

TEST_F(ConfigFileTest, DamagedProfileGetsTheConfiguredSensorsLevels) {
    std::string text = ValidConfigText();
    text.replace(text.find("Sensor=0x3325\nPreST=0xCCDA"), 26, "Sensor=0x3370\nPreST=0xCC8F");
    WriteConfigText(text);
    EXPECT_TRUE(LoadConfig());
    EXPECT_EQ(Profiles[3].dpiStep,
              (std::array<std::uint16_t, 8>{7, 15, 31, 63, 99, 119, 119, 119}));
}

// A configuration brought over from another system names files there; this system's data
// folder must be used instead of a file literally called "C:\Users\...".
TEST_F(ConfigFileTest, ForeignProfilePathsPointToTheDataFolder) {
    std::string text = ValidConfigText();
    const std::string slot1 = "ProfileSlot1URL=" + Config("p1.psf").string();
    const std::string slot3 = "ProfileSlot3URL=" + Config("p3.psf").string();
    text.replace(text.find(slot1), slot1.size(),
                 "ProfileSlot1URL=C:\\Users\\Jo\\AppData\\Roaming\\GamingMouseData20220725A\\"
                 "config\\default1.psf");
    text.replace(text.find(slot3), slot3.size(), "ProfileSlot3URL=mine.psf");
    WriteConfigText(text);
    EXPECT_TRUE(LoadConfig());
    EXPECT_EQ(ProfileSlotPath(0), Config("p0.psf"));
    EXPECT_EQ(ProfileSlotPath(1), Config("default1.psf"));
    EXPECT_EQ(ProfileSlotPath(3), Config("default3.psf"));
    EXPECT_TRUE(fs::exists(Config("default1.psf")));
    EXPECT_TRUE(fs::exists(Config("default3.psf")));
    ASSERT_TRUE(SaveConfig());
    const std::string written = ReadBytes(Config("config.ini"));
    EXPECT_EQ(written.find(Utf16le("C:\\Users")), std::string::npos);
    EXPECT_NE(written.find(Utf16le("ProfileSlot1URL=" + Config("default1.psf").string())),
              std::string::npos);
}

// A home folder such as /home/jörg: the data folder and the profile paths in it travel
// through the configuration's wide strings in any locale, and come back byte for byte.
TEST_F(ConfigFileTest, DataFoldersWithAnyCharactersInAnyLocale) {
    const fs::path base = DataFolder;
    const char* names[] = {"J\xC3\xB6rg", "\xD0\xB0\xD0\xBD\xD0\xB4\xD1\x80\xD0\xB5\xD0\xB9",
                           "\xE7\x94\xA8\xE6\x88\xB7", "bytes\xFF"};
    for (const char* locale : {"C", "C.UTF-8"}) {
        if (!std::setlocale(LC_ALL, locale))
            continue;
        for (const char* name : names) {
            SCOPED_TRACE(std::string(locale) + " " + name);
            DataFolder = base / locale / name;
            ResetStores();
            EXPECT_FALSE(LoadConfig()); // first run: defaults written
            EXPECT_TRUE(fs::exists(Config("default4.psf")));
            ResetStores();
            EXPECT_TRUE(LoadConfig());
            EXPECT_EQ(ProfileSlotPath(4), Config("default4.psf"));
            EXPECT_EQ(ConfigValue(ConfigKey::ProfileSlot0URL + 4), PathText(Config("default4.psf")));
            EXPECT_FALSE(fs::exists(Config("default4.psf.damaged")));
        }
    }
    std::setlocale(LC_ALL, "C");
}

// A profile file of another user that this one may not read: no copy can be kept, so the
// file is left as it is and the slot uses defaults in memory.
TEST_F(ConfigFileTest, UnreadableProfileWithoutACopyIsLeftAlone) {
    if (!test::CanRunAsNobody())
        GTEST_SKIP() << "needs root to make a file of another user";
    WriteConfigText(ValidConfigText());
    ASSERT_TRUE(LoadConfig());
    test::MakeForeignFile(Config("p2.psf"), "root's profile");
    const int status = test::RunAsNobody([&] {
        ReleaseHeldFiles();
        ResetStores();
        Profiles[2].keys[0].name = L"stale";
        if (!LoadConfig())
            return 1;
        if (Profiles[2].keys[0].name == L"stale")
            return 2; // the slot must hold defaults
        if (HeldFiles() != std::vector<fs::path>{Config("p2.psf")})
            return 3;
        if (SaveAllProfiles())
            return 4; // slot 2 is not saved
        return 0;
    });
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(ReadBytes(Config("p2.psf")) == "root's profile") << "the file was replaced";
    EXPECT_FALSE(fs::exists(Config("p2.psf.damaged")));
    EXPECT_TRUE(test::SameBytes(ReadBytes(Config("p3.psf")), DefaultProfileBytes()));
}

} // namespace
} // namespace ferrox
