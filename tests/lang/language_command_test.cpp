// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ferroxctl language: showing the choice and writing it, against the shipped language files.

#include "base/app_globals.h"
#include "cli/cli_context.h"
#include "lang/language_setting.h"
#include "lang_test_support.h"

#include <gtest/gtest.h>

#include <sstream>

namespace ferrox {

int CmdLanguage(CliContext& context);

namespace {

class LanguageCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        DataFolder =
            test::FreshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
        ProgramFolder = FERROX_OUTPUT_DIR;
    }

    int run(std::vector<std::string> args, bool json = false) {
        out.str("");
        err.str("");
        CliContext context(out, err);
        context.args = std::move(args);
        context.json = json;
        return CmdLanguage(context);
    }

    std::ostringstream out;
    std::ostringstream err;
    const test::LocaleEnvironment english_{"C"};
};

TEST_F(LanguageCommandTest, ChoosesALanguageAndShowsIt) {
    ASSERT_EQ(run({"ru"}), 0) << err.str();
    EXPECT_EQ(test::ReadBytes(LanguageSettingPath()),
              test::kBom + test::Utf16le("[ChangeLanguage]\nLanguage=RU\n"));

    ASSERT_EQ(run({}), 0) << err.str();
    const std::string shown = out.str();
    EXPECT_NE(shown.find("code      RU\n"), std::string::npos) << shown;
    EXPECT_NE(shown.find("file      Lan_RU.txt\n"), std::string::npos) << shown;
    EXPECT_NE(shown.find("read from " + (ProgramFolder / "lang" / "Lan_RU.txt").string()),
              std::string::npos)
        << shown;
    EXPECT_NE(shown.find("language  Русский\n"), std::string::npos) << shown;
}

TEST_F(LanguageCommandTest, ShowsTheLocalesLanguageWithoutASettingFile) {
    const test::LocaleEnvironment ukrainian("uk_UA.UTF-8");
    ASSERT_EQ(run({}, true), 0) << err.str();
    EXPECT_EQ(out.str(), "{\n  \"format\": 1,\n  \"code\": \"UA\",\n  \"file\": \"Lan-UA.txt\",\n  \"source\": \"" +
                             (ProgramFolder / "lang" / "Lan-UA.txt").string() +
                             "\",\n  \"complete\": true,\n  \"language\": \"Українська\"\n}\n");
    ASSERT_EQ(run({}), 0) << err.str();
    EXPECT_NE(out.str().find("code      UA (from the locale; none chosen yet)\n"), std::string::npos)
        << out.str();
    EXPECT_FALSE(std::filesystem::exists(LanguageSettingPath())) << "showing chooses nothing";
    // What the window loads at start-up came first: a fresh data folder has its default files.
    EXPECT_TRUE(std::filesystem::is_regular_file(ConfigFolder() / "config.ini"));
    EXPECT_TRUE(std::filesystem::is_regular_file(ConfigFolder() / "default4.psf"));
}

TEST_F(LanguageCommandTest, SaysWhenTheFileInUseStoppedEarly) {
    test::WriteUnicodeFile(ConfigFolder() / "Lan_EN.txt", L"[Setting]\n0=Mine\n1=A\n2=\n");
    ASSERT_EQ(run({}), 0) << err.str();
    EXPECT_NE(out.str().find("read from " + (ConfigFolder() / "Lan_EN.txt").string() +
                             " (up to a malformed line"),
              std::string::npos)
        << out.str();
}

TEST_F(LanguageCommandTest, RefusesBadWordsWithOneLineAndWritesNothing) {
    const std::vector<std::vector<std::string>> bad = {{"DE"}, {"EN", "RU"}, {"--all"}, {"U A"}};
    for (const auto& args : bad) {
        EXPECT_EQ(run(args), 2) << args[0];
        EXPECT_EQ(out.str(), "") << args[0];
        const std::string message = err.str();
        EXPECT_TRUE(message.starts_with("ferroxctl language: ")) << message;
        EXPECT_EQ(message.find('\n'), message.size() - 1) << message;
        EXPECT_FALSE(std::filesystem::exists(LanguageSettingPath())) << args[0];
    }
}

TEST_F(LanguageCommandTest, ReportsASettingFileThatCannotBeWritten) {
    test::WriteBytes(DataFolder / "config", "not a folder");
    EXPECT_EQ(run({"EN"}), 1);
    EXPECT_NE(err.str().find("cannot write"), std::string::npos) << err.str();
}

} // namespace
} // namespace ferrox
