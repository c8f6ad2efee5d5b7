// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The language taken from the desktop's locale while the user has chosen none.

#include "base/app_globals.h"
#include "lang/language_loader.h"
#include "lang/language_setting.h"
#include "lang/locale_language.h"
#include "lang_test_support.h"

#include <gtest/gtest.h>


namespace ferrox {
namespace {

TEST(LocaleLanguage, FirstSetVariableDecidesAsInPosix) {
    struct Case {
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        const wchar_t* code;
    };
    const Case cases[] = {
        {nullptr, nullptr, "ru_RU.UTF-8", L"RU"},
        {nullptr, nullptr, "uk_UA", L"UA"},
        {nullptr, nullptr, "ru", L"RU"},
        {nullptr, nullptr, "uk_UA.UTF-8@euro", L"UA"},
        {nullptr, nullptr, "ru@latin", L"RU"},
        {nullptr, nullptr, "de_DE.UTF-8", L"EN"},
        {nullptr, nullptr, "en_GB.UTF-8", L"EN"},
        {nullptr, nullptr, nullptr, L"EN"},
        {nullptr, nullptr, "C", L"EN"},
        {nullptr, nullptr, "POSIX", L"EN"},
        {nullptr, nullptr, "C.UTF-8", L"EN"},
        // Not a Russian or Ukrainian locale, only names that start alike.
        {nullptr, nullptr, "rus", L"EN"},
        {nullptr, nullptr, "RU_ru", L"EN"},
        {nullptr, nullptr, "ukr_UA", L"EN"},
        // LC_ALL over LC_MESSAGES over LANG, and an empty one counts as unset.
        {"C", "ru_RU.UTF-8", "uk_UA.UTF-8", L"EN"},
        {"uk_UA.UTF-8", "ru_RU.UTF-8", "C", L"UA"},
        {"", "ru_RU.UTF-8", "uk_UA.UTF-8", L"RU"},
        {nullptr, "", "uk_UA.UTF-8", L"UA"},
        {"", "", "", L"EN"},
        {nullptr, "en_US.UTF-8", "ru_RU.UTF-8", L"EN"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LocaleLanguageCode({c.lcAll, c.lcMessages, c.lang}), c.code)
            << (c.lcAll ? c.lcAll : "-") << " " << (c.lcMessages ? c.lcMessages : "-") << " "
            << (c.lang ? c.lang : "-");
    }
}

class LanguageFromLocale : public ::testing::Test {
protected:
    void SetUp() override {
        DataFolder = test::FreshFolder("locale-language") / "data";
        std::filesystem::create_directories(ConfigFolder());
    }
};

TEST_F(LanguageFromLocale, OnlyAMissingSettingFileLeavesTheChoiceToTheLocale) {
    const test::LocaleEnvironment russian("ru_RU.UTF-8");
    EXPECT_EQ(ReadLanguageCode(LanguageSettingPath()), L"RU");
    EXPECT_FALSE(std::filesystem::exists(LanguageSettingPath())) << "a first run writes nothing";

    // The user's choice, even an unknown or unreadable one, stands over the locale.
    ASSERT_TRUE(WriteLanguageSetting(LanguageSettingPath(), L"EN"));
    EXPECT_EQ(ReadLanguageCode(LanguageSettingPath()), L"EN");
    test::WriteUnicodeFile(LanguageSettingPath(), L"[ChangeLanguage]\nLanguage=DE\n");
    EXPECT_EQ(ReadLanguageCode(LanguageSettingPath()), L"DE");
    std::filesystem::remove(LanguageSettingPath());
    std::filesystem::create_directory(LanguageSettingPath());
    EXPECT_EQ(ReadLanguageCode(LanguageSettingPath()), L"");
    std::filesystem::remove(LanguageSettingPath());
    std::filesystem::create_symlink("nowhere", LanguageSettingPath());
    EXPECT_EQ(ReadLanguageCode(LanguageSettingPath()), L"") << "a dangling link is a choice too";
}

TEST_F(LanguageFromLocale, LoaderReadsTheLocalesLanguageFile) {
    ProgramFolder = FERROX_OUTPUT_DIR;
    const test::LocaleEnvironment ukrainian("uk_UA.UTF-8");
    const LanguageLoadResult load = LoadLanguage();
    EXPECT_EQ(load.fileName, L"Lan-UA.txt");
    EXPECT_EQ(LanguageTable[0], L"Українська");
}

} // namespace
} // namespace ferrox
