// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up loading from the data folder and the shipped copies, and the language choice file.

#include "base/app_globals.h"
#include "lang/language_loader.h"
#include "lang/language_setting.h"
#include "lang/text_indices.h"
#include "lang_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ferrox {
namespace {

using test::WriteUnicodeFile;

// Small stand-ins for the shipped files: each names itself in text 1 so a test can tell
// which file was read.
class LanguageLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto root =
            test::FreshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
        DataFolder = root / "data";
        ProgramFolder = root / "program";
        UiScale = 1.0f;
        for (const char* name : {"Lan.txt", "Lan_EN.txt", "Lan_RU.txt", "Lan-UA.txt"}) {
            WriteUnicodeFile(shipped(name),
                             L"[Setting]\n0=Name\n1=shipped " + FromUtf8(name) + L"\n157=Own\n");
        }
    }
    void TearDown() override { UiScale = 1.0f; }

    std::filesystem::path shipped(const std::string& name) const {
        return ProgramFolder / "lang" / name;
    }
    std::filesystem::path inConfig(const std::string& name) const { return ConfigFolder() / name; }
    void writeSetting(const std::wstring& text) const {
        WriteUnicodeFile(LanguageSettingPath(), text);
    }

    // Without a setting file, the file an English desktop's first run reads.
    const test::LocaleEnvironment english_{"en_GB.UTF-8"};
};

TEST_F(LanguageLoaderTest, SettingFileSelectsTheShippedFile) {
    struct Case {
        const char* what;
        const wchar_t* setting; // null: no LanSetting.ini
        const char* file;
    };
    const Case cases[] = {
        {"no setting file, English desktop", nullptr, "Lan_EN.txt"},
        {"EN", L"[ChangeLanguage]\nLanguage=EN\n", "Lan_EN.txt"},
        {"RU with any key", L"[ChangeLanguage]\nLang=RU\n", "Lan_RU.txt"},
        {"UA without header", L"UA\n", "Lan-UA.txt"},
        {"lower case", L"[ChangeLanguage]\nLanguage=en\n", "Lan.txt"},
        {"CR LF line ends", L"[ChangeLanguage]\r\nLanguage=RU\r\n", "Lan.txt"},
        {"unknown code", L"[ChangeLanguage]\nLanguage=DE\n", "Lan.txt"},
        {"header only", L"[ChangeLanguage]\n", "Lan.txt"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(LanguageSettingPath());
        if (c.setting) {
            writeSetting(c.setting);
        }
        const LanguageLoadResult load = LoadLanguage();
        EXPECT_EQ(load.source, shipped(c.file)) << c.what;
        EXPECT_EQ(load.result, LanguageFileResult::Complete) << c.what;
        EXPECT_EQ(LanguageTable[1], L"shipped " + FromUtf8(c.file)) << c.what;
    }
}

TEST_F(LanguageLoaderTest, DataFolderCopyComesFirst) {
    writeSetting(L"[ChangeLanguage]\nLanguage=RU\n");
    WriteUnicodeFile(inConfig("Lan_RU.txt"), L"[Setting]\n0=Mine\n1=my own\n");
    const LanguageLoadResult load = LoadLanguage();
    EXPECT_EQ(load.code, L"RU");
    EXPECT_EQ(load.fileName, L"Lan_RU.txt");
    EXPECT_EQ(load.source, inConfig("Lan_RU.txt"));
    EXPECT_EQ(LanguageTable[1], L"my own");
    EXPECT_EQ(LanguageFontFace, L"Tahoma");
}

TEST_F(LanguageLoaderTest, DataFolderCopyThatIsNoLanguageFileGivesWayToTheShippedOne) {
    WriteUnicodeFile(inConfig("Lan_EN.txt"), L"[Setting]\r\n0=Mine\r\n1=my own\r\n");
    const LanguageLoadResult load = LoadLanguage();
    EXPECT_EQ(load.source, shipped("Lan_EN.txt"));
    EXPECT_EQ(LanguageTable[1], L"shipped Lan_EN.txt");
    EXPECT_EQ(LanguageTable[0], L"Name");
}

TEST_F(LanguageLoaderTest, MalformedLineKeepsEarlierTextsAndTheDefaultFont) {
    WriteUnicodeFile(inConfig("Lan_EN.txt"), L"[Setting]\n0=Mine\n1=kept\n2=\n3=lost\n");
    const LanguageLoadResult load = LoadLanguage();
    EXPECT_EQ(load.source, inConfig("Lan_EN.txt"));
    EXPECT_EQ(load.result, LanguageFileResult::StoppedEarly);
    EXPECT_EQ(LanguageTable[1], L"kept");
    EXPECT_EQ(LanguageTable[3], L"");
    EXPECT_EQ(LanguageFontFace, L"宋体");
    EXPECT_EQ(LanguageFontSize, 12);
    EXPECT_EQ(LanguageCharset, 134);
}

TEST_F(LanguageLoaderTest, NoFileAnywhereLeavesBlankTextsExceptAddedOnes) {
    UiScale = 2.0f;
    LoadLanguage();
    std::filesystem::remove_all(ProgramFolder);
    const LanguageLoadResult load = LoadLanguage();
    EXPECT_TRUE(load.source.empty());
    EXPECT_EQ(load.result, LanguageFileResult::Unopened);
    for (int index = 0; index < kLanguageTextCount; ++index) {
        const bool added = std::ranges::any_of(
            AddedLanguageTexts(), [index](const AddedLanguageText& text) { return text.index == index; });
        EXPECT_EQ(LanguageTable[index].empty(), !added) << index;
    }
    EXPECT_EQ(LanguageFontFace, L"宋体");
    EXPECT_EQ(LanguageFontSize, 12); // the default is never scaled
}

TEST_F(LanguageLoaderTest, TextsAddedByThisReleaseFallBackToEnglish) {
    WriteUnicodeFile(inConfig("Lan_EN.txt"), L"[Setting]\n0=Older release\n1=one\n");
    LoadLanguage();
    EXPECT_EQ(LanguageTable[157], AddedLanguageTexts().front().english);
    EXPECT_EQ(LanguageTable[1], L"one");

    WriteUnicodeFile(inConfig("Lan_EN.txt"), L"[Setting]\n0=Current\n157=Translated\n");
    LoadLanguage();
    EXPECT_EQ(LanguageTable[157], L"Translated");
}

TEST_F(LanguageLoaderTest, NoticeAndMenuTextsAFileLacksAreGivenInEnglishAndTheFilesOwnWin) {
    struct Case {
        int index;
        const wchar_t* english;
    };
    const Case cases[] = {{2, L"Exit"},
                          {142, L"Import Profile"},
                          {150, L"Notice"},
                          {155, L"Mouse not found. Connect it or its receiver."},
                          {310, L"These files could not be read; defaults are used in their place:"},
                          {318, L"no permission"}};
    WriteUnicodeFile(inConfig("Lan_EN.txt"), L"[Setting]\n0=Older release\n1=one\n");
    LoadLanguage();
    for (const Case& c : cases)
        EXPECT_EQ(LanguageText(c.index), c.english) << c.index;
    EXPECT_EQ(LanguageText(151), L"") << "a text without a fallback stays blank";

    std::wstring own = L"[Setting]\n0=Current\n";
    for (const Case& c : cases)
        own += std::to_wstring(c.index) + L"=own " + std::to_wstring(c.index) + L"\n";
    WriteUnicodeFile(inConfig("Lan_EN.txt"), own);
    LoadLanguage();
    for (const Case& c : cases)
        EXPECT_EQ(LanguageText(c.index), L"own " + std::to_wstring(c.index)) << c.index;
}

TEST_F(LanguageLoaderTest, FontHeightFollowsUiScale) {
    UiScale = 1.5f;
    LoadLanguage();
    EXPECT_EQ(LanguageFontFace, L"Tahoma");
    EXPECT_EQ(LanguageFontSize, 24);
    EXPECT_EQ(LanguageCharset, 1);
}

TEST_F(LanguageLoaderTest, WrittenSettingIsTheExactFileAndSelectsTheLanguage) {
    ASSERT_TRUE(WriteLanguageSetting(LanguageSettingPath(), L"UA"));
    EXPECT_EQ(test::ReadBytes(LanguageSettingPath()),
              test::kBom + test::Utf16le("[ChangeLanguage]\nLanguage=UA\n"));
    EXPECT_EQ(LoadLanguage().source, shipped("Lan-UA.txt"));
}

TEST_F(LanguageLoaderTest, SettingThatCannotBeWrittenIsReported) {
    // The config "folder" is a file, so nothing can be created below it.
    WriteUnicodeFile(DataFolder / "config", L"not a folder");
    EXPECT_FALSE(WriteLanguageSetting(LanguageSettingPath(), L"RU"));
}

} // namespace
} // namespace ferrox
