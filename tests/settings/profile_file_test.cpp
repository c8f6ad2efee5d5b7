// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/language_table.h"
#include "settings/config_file.h"
#include "settings/profile_file.h"
#include "settings/profile_slots.h"
#include "settings/settings_fixture.h"

namespace ferrox {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::SameBytes;
using test::WriteBytes;

class ProfileFileTest : public test::SettingsStores {
protected:
    std::vector<std::wstring> DefaultLines() const {
        ProfileSettings profile;
        ResetProfile(profile, 0);
        return FormatProfileLines(profile);
    }
    // A profile that uses every field with values no default has.
    static ProfileSettings Unusual() {
        ProfileSettings p;
        ResetProfile(p, 2);
        SetProfileValue(p, ProfileKey::ProfileName, L"Игры \U0001F3AE");
        SetProfileValue(p, ProfileKey::GameFile1, L"C:\\games\\a b.exe");
        p.profileKeys[4].key = L"Renamed";
        p.dpiEnableMask = 0x81;
        p.dpiStep = {0, 1, 519, 0xFFFF, 7, 8, 9, 10};
        p.currentDpiLevel = 7;
        p.dpiColour[3] = Rgb(0x12, 0x34, 0x56);
        p.angleSnap = 1;
        p.liftDetection = 0xAB;
        p.reportRate = {L"1000Hz", 3, {0x11, 0x22}};
        p.lighting.name = L"Wave";
        p.lighting.mode = 9;
        p.lighting.spare = {1, 2};
        p.lighting.onOff = 0;
        p.lighting.speed[9] = 0xFE;
        p.lighting.brightness[0] = 4;
        p.lighting.colourSelected[9][9] = 1;
        p.lighting.colour[9][9] = Rgb(1, 2, 3);
        p.lighting.colour[0][0] = Rgb(0xFF, 0xFE, 0xFD);
        p.lighting.direction[4] = 2;
        p.lighting2 = {1, L"Other", {3, 4, 5}, 6, 7, Rgb(8, 9, 10)};
        KeySlot& key = p.keys[4];
        key.name = L"Macro run";
        key.function = {0x90, 0x21, 0x05};
        key.macroKeyIndex = 4000000000u;
        key.macro.name = L"run";
        key.macro.MacroActionNum = 2;
        key.macro.actions[0] = MacroAction::MakeKey(0x41, false);
        key.macro.actions[1] = MacroAction{0x02, 0x00, 0x00, 0x05};   // a delay written as 2
        key.macro.actions[335] = MacroAction{0xDE, 0xAD, 0xBE, 0xEF}; // beyond the count
        return p;
    }
};

TEST_F(ProfileFileTest, WriteReadWriteIsIdentical) {
    Profiles[2] = Unusual();
    fs::path path = DataFolder / "unusual.psf";
    ASSERT_TRUE(WriteProfileFile(2, path));
    const std::string first = ReadBytes(path);

    ResetProfile(Profiles[2], 2);
    ASSERT_TRUE(ReadProfileFile(2, path));
    const ProfileSettings expected = Unusual();
    EXPECT_EQ(Profiles[2].profileKeys, expected.profileKeys);
    EXPECT_EQ(Profiles[2].lighting, expected.lighting);
    EXPECT_EQ(Profiles[2].lighting2, expected.lighting2);
    EXPECT_EQ(Profiles[2].reportRate, expected.reportRate);
    EXPECT_EQ(Profiles[2].dpiStep, expected.dpiStep);
    EXPECT_EQ(Profiles[2].dpiColour, expected.dpiColour);
    EXPECT_EQ(Profiles[2].liftDetection, 0xAB);
    EXPECT_EQ(Profiles[2].keys[4].macro.actions, expected.keys[4].macro.actions);
    EXPECT_EQ(Profiles[2].keys[4].macroKeyIndex, 4000000000u);
    EXPECT_EQ(Profiles[2].keys[4].function, expected.keys[4].function);

    fs::path again = DataFolder / "again.psf";
    ASSERT_TRUE(WriteProfileFile(2, again));
    EXPECT_TRUE(SameBytes(ReadBytes(again), first));
}

TEST_F(ProfileFileTest, DefaultNamesComeFromTheLanguage) {
    LanguageTable[86] = L"Второй";
    LanguageTable[20] = L"Left";
    LanguageTable[100] = L"Breathing";
    ResetProfile(Profiles[1], 1);
    auto lines = FormatProfileLines(Profiles[1]);
    LanguageTable = {};
    ASSERT_EQ(lines.size(), ProfileFileLineCount);
    EXPECT_EQ(lines[1], L"ProfileName=Второй");
    EXPECT_EQ(lines[43], L"Lighting1Name=Breathing");
    EXPECT_EQ(lines[51], L"Lighting2Name=Breathing");
    EXPECT_EQ(lines[57], L"Key0Name=Left");
}

TEST_F(ProfileFileTest, ReaderRules) {
    using Lines = std::vector<std::wstring>;
    using Edit = std::function<void(Lines&)>;
    struct Case {
        const char* name;
        Edit edit;
        bool valid;
        std::function<void(const ProfileSettings&)> check = nullptr;
    };
    const std::size_t key3Actions = 57 + 3 * 6 + 5;
    const Case cases[] = {
        {"unchanged", [](Lines&) {}, true},
        {"wrong header", [](Lines& l) { l[0] = L"[setting]"; }, false},
        {"crlf line ends",
         [](Lines& l) {
             for (auto& line : l)
                 line += L"\r";
         },
         false},
        {"key 3 AllAction one digit short", [&](Lines& l) { l[key3Actions].pop_back(); }, false},
        {"AllAction one digit long", [&](Lines& l) { l[key3Actions] += L"0"; }, false},
        {"empty MacroActionNum", [&](Lines& l) { l[key3Actions - 1] = L"\t\tMacroActionNum="; },
         false},
        {"empty MacroKeyIndex", [](Lines& l) { l[59] = L"\tMacroKeyIndex="; }, false},
        {"pair with equals first", [](Lines& l) { l[3] = L"=x"; }, false},
        {"field line without equals", [](Lines& l) { l[30] = L"\tCurrentDPILevelValue"; }, false},
        {"last line missing", [](Lines& l) { l.pop_back(); }, false},
        {"an empty line inside", [](Lines& l) { l.insert(l.begin() + 40, L"\n"); }, false},
        {"empty pair value", [](Lines& l) { l[2] = L"GameFile0="; }, true},
        {"lines after the keys", [](Lines& l) { l.push_back(L"junk without equals"); }, true},
        {"key block lines may start with equals", [](Lines& l) { l[59] = L"=12"; }, true,
         [](const ProfileSettings& p) { EXPECT_EQ(p.keys[0].macroKeyIndex, 12u); }},
        {"pairs in another order", [](Lines& l) { std::swap(l[5], l[6]); }, true,
         [](const ProfileSettings& p) {
             EXPECT_EQ(p.profileKeys[4].key, L"PointerSpeed");
             EXPECT_EQ(p.profileKeys[5].value, L"6");
         }},
        {"MacroActionNum above 336",
         [&](Lines& l) { l[key3Actions - 1] = L"\t\tMacroActionNum=9999"; }, true,
         [](const ProfileSettings& p) { EXPECT_EQ(p.keys[3].macro.MacroActionNum, 336u); }},
        {"fields past the value's end",
         [](Lines& l) {
             l[21] = L"DPIOffOnFlagValue=";
             l[22] = L"\tXYSetting1Value=1";
         },
         true,
         [](const ProfileSettings& p) {
             EXPECT_EQ(p.dpiEnableMask, 0);
             EXPECT_EQ(p.dpiStep[0], 1);
         }},
        {"index fields limited",
         [](Lines& l) {
             l[30] = L"\tCurrentDPILevelValue=FF";
             l[42] = L"\tPollingRateValue=090000";
             l[44] = L"\tLighting1ModeValue=0A0000";
         },
         true,
         [](const ProfileSettings& p) {
             EXPECT_EQ(p.currentDpiLevel, 7);
             EXPECT_EQ(p.reportRate.rate, 3);
             EXPECT_EQ(p.lighting.mode, 9);
         }},
        {"text in a hex field", [](Lines& l) { l[56] = L"\tLighting2FixedColor=zz10zz"; }, true,
         [](const ProfileSettings& p) { EXPECT_EQ(p.lighting2.colour, Rgb(0, 0x10, 0)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Lines lines = DefaultLines();
        c.edit(lines);
        ProfileSettings profile;
        ResetProfile(profile, 4);
        SetProfileValue(profile, ProfileKey::ProfileName, L"before");
        EXPECT_EQ(ParseProfileLines(lines, profile), c.valid);
        if (!c.valid)
            EXPECT_EQ(ProfileValue(profile, ProfileKey::ProfileName), L"before");
        else if (c.check)
            c.check(profile);
    }
}

// Every line cut short, dropped or emptied: the reader never reads out of bounds (the sanitizer
// build watches) and a rejected file leaves the profile untouched.
TEST_F(ProfileFileTest, EveryDamagedLineIsHandled) {
    const std::vector<std::wstring> good = DefaultLines();
    ProfileSettings before;
    ResetProfile(before, 3);
    const auto beforeLines = FormatProfileLines(before);
    for (std::size_t i = 0; i < good.size(); ++i) {
        for (int damage = 0; damage < 3; ++damage) {
            std::vector<std::wstring> lines = good;
            if (damage == 0)
                lines[i].resize(lines[i].size() / 2);
            else if (damage == 1)
                lines.erase(lines.begin() + static_cast<long>(i));
            else
                lines[i] = L"=";
            ProfileSettings profile = before;
            if (!ParseProfileLines(lines, profile)) {
                EXPECT_EQ(FormatProfileLines(profile), beforeLines) << i << " " << damage;
            }
        }
    }
}

TEST_F(ProfileFileTest, FilesThatAreNoProfiles) {
    const std::pair<const char*, std::string> files[] = {
        {"empty", ""},
        {"binary", std::string("\xFF\xFE\x00\xD8\x41\x00\x0A\x00\x00\x00\x3D\x00", 12)},
        {"huge",
         test::kBom + test::Utf16le("[Setting]\nProfileName=" + std::string(20 << 20, 'x') + "\n")},
        {"narrow text", "[Setting]\nProfileName=x\n"},
    };
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        WriteBytes(DataFolder / "bad.psf", bytes);
        ProfileSettings profile;
        EXPECT_FALSE(LoadProfileFile(DataFolder / "bad.psf", profile));
    }
    EXPECT_FALSE(LoadProfileFile(DataFolder / "missing.psf", Profiles[0]));
    EXPECT_FALSE(LoadProfileFile(DataFolder, Profiles[0]));
}

class ProfileSlotsTest : public ProfileFileTest {
protected:
    void SetUp() override {
        ProfileFileTest::SetUp();
        ASSERT_FALSE(LoadConfig()); // first run: defaults everywhere
    }
    static std::vector<int> Bar() {
        ProfileBarList bar = ReadProfileBar();
        return {bar.count, bar.slots[0], bar.slots[1], bar.slots[2], bar.slots[3], bar.slots[4]};
    }
    std::string SavedConfig() const { return ReadBytes(Config("config.ini")); }
};

TEST_F(ProfileSlotsTest, BarListArithmetic) {
    EXPECT_EQ(Bar(), (std::vector<int>{3, 0, 1, 2, 3, 4}));
    EXPECT_EQ(DeleteProfile(1), ProfileResult::Done);
    EXPECT_EQ(Bar(), (std::vector<int>{2, 0, 2, 3, 4, 1}));
    EXPECT_NE(SavedConfig().find(test::Utf16le("ProfileShowList4=1\n")), std::string::npos);

    // The next hidden slot is the one at position "count".
    SetProfileValue(Profiles[3], ProfileKey::GameFile0, L"old");
    int slot = -1;
    EXPECT_EQ(SlotForNewProfile(), 3);
    EXPECT_EQ(AddProfile(L"New one", &slot), ProfileResult::Done);
    EXPECT_EQ(slot, 3);
    EXPECT_EQ(ProfileValue(Profiles[3], ProfileKey::ProfileName), L"New one");
    EXPECT_EQ(ProfileValue(Profiles[3], ProfileKey::GameFile0), L"");
    EXPECT_EQ(Bar(), (std::vector<int>{3, 0, 2, 3, 4, 1}));
    ProfileSettings saved;
    ASSERT_TRUE(LoadProfileFile(ProfileSlotPath(3), saved));
    EXPECT_EQ(ProfileValue(saved, ProfileKey::ProfileName), L"New one");

    EXPECT_EQ(AddProfile(L"a"), ProfileResult::Done);
    EXPECT_EQ(AddProfile(L"b"), ProfileResult::Done);
    EXPECT_EQ(Bar(), (std::vector<int>{5, 0, 2, 3, 4, 1}));
    EXPECT_EQ(SlotForNewProfile(), -1);
    EXPECT_EQ(AddProfile(L"c"), ProfileResult::BarFull);
}

TEST_F(ProfileSlotsTest, RefusalsChangeNothing) {
    SetCurrentSlot(2);
    const std::string before = SavedConfig();
    EXPECT_EQ(DeleteProfile(2), ProfileResult::IsCurrent);
    EXPECT_EQ(DeleteProfile(4), ProfileResult::NotShown);
    EXPECT_EQ(DeleteProfile(5), ProfileResult::BadSlot);
    EXPECT_EQ(AddProfile(L""), ProfileResult::EmptyName);
    EXPECT_EQ(RenameProfile(0, L""), ProfileResult::EmptyName);
    EXPECT_EQ(RenameProfile(-1, L"x"), ProfileResult::BadSlot);
    EXPECT_EQ(UseProfile(4), ProfileResult::NotShown);
    EXPECT_EQ(Bar(), (std::vector<int>{3, 0, 1, 2, 3, 4}));
    EXPECT_EQ(SavedConfig(), before);
}

TEST_F(ProfileSlotsTest, RenameUseExportImport) {
    EXPECT_EQ(RenameProfile(1, L"Work\nline"), ProfileResult::Done);
    ProfileSettings saved;
    ASSERT_TRUE(LoadProfileFile(ProfileSlotPath(1), saved));
    EXPECT_EQ(ProfileValue(saved, ProfileKey::ProfileName), L"Work line");

    EXPECT_EQ(UseProfile(2), ProfileResult::Done);
    EXPECT_NE(SavedConfig().find(test::Utf16le("CurrentProfile=2\n")), std::string::npos);

    Profiles[1].keys[6].function = {0x80, 0xE2, 0x00};
    fs::path exported = DataFolder / "out" / "shared.psf";
    EXPECT_EQ(ExportProfile(1, exported), ProfileResult::WriteFailed); // no folder "out"
    EXPECT_FALSE(fs::exists(DataFolder / "out"));
    fs::create_directories(DataFolder / "out");
    EXPECT_EQ(ExportProfile(1, exported), ProfileResult::Done);
    EXPECT_EQ(ImportProfile(0, exported), ProfileResult::Done);
    EXPECT_EQ(Profiles[0].keys[6].function, (ButtonFunction{0x80, 0xE2, 0x00}));
    ASSERT_TRUE(LoadProfileFile(ProfileSlotPath(0), saved));
    EXPECT_EQ(saved.keys[6].function, (ButtonFunction{0x80, 0xE2, 0x00}));
    WriteBytes(DataFolder / "a_file", "x"); // a folder that is a file cannot hold the export
    EXPECT_EQ(ExportProfile(1, DataFolder / "a_file" / "x.psf"), ProfileResult::WriteFailed);
}

TEST_F(ProfileSlotsTest, FailedImportKeepsTheSlotAndItsFile) {
    SetProfileValue(Profiles[1], ProfileKey::ProfileName, L"Precious");
    ASSERT_TRUE(SaveAllProfiles());
    const std::string file = ReadBytes(ProfileSlotPath(1));
    WriteBytes(DataFolder / "broken.psf", test::kBom + test::Utf16le("[Setting]\nProfileName=x\n"));
    EXPECT_EQ(ImportProfile(1, DataFolder / "broken.psf"), ProfileResult::ReadFailed);
    EXPECT_EQ(ImportProfile(1, DataFolder / "missing.psf"), ProfileResult::ReadFailed);
    EXPECT_EQ(ProfileValue(Profiles[1], ProfileKey::ProfileName), L"Precious");
    EXPECT_TRUE(SameBytes(ReadBytes(ProfileSlotPath(1)), file));
}

} // namespace
} // namespace ferrox
