// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The build step that turns a language source into a language file: it writes exactly the
// source's lines and refuses a source the program could not use in full.

#include "lang_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

namespace ferrox {
namespace {

const std::filesystem::path kEnglishSource =
    std::filesystem::path(FERROX_LANG_SOURCE_DIR) / "en.txt";

struct CompileRun {
    int status;
    std::string errors;
};

CompileRun Compile(const std::filesystem::path& folder, const std::string& source,
                   const std::filesystem::path& output) {
    const auto sourcePath = folder / "source.txt";
    const auto errorPath = folder / "errors.txt";
    test::WriteBytes(sourcePath, source);
    const std::string command = std::string("\"") + FERROX_LANG_COMPILE + "\" \"" +
                                sourcePath.string() + "\" \"" + output.string() + "\" 2>\"" +
                                errorPath.string() + "\"";
    return {std::system(command.c_str()), test::ReadBytes(errorPath)};
}

TEST(LanguageCompile, WritesTheSourceLinesWithoutCarriageReturns) {
    const auto folder = test::FreshFolder("compile-crlf");
    const std::string source =
        std::regex_replace(test::ReadBytes(kEnglishSource), std::regex("\n"), "\r\n");
    const CompileRun run = Compile(folder, "\xEF\xBB\xBF" + source, folder / "out" / "Lan.txt");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(test::ReadBytes(folder / "out" / "Lan.txt"),
              test::ReadBytes(std::filesystem::path(FERROX_OUTPUT_DIR) / "lang" / "Lan_EN.txt"));
}

TEST(LanguageCompile, RefusesSourcesThatWouldLeaveTextsBlank) {
    struct Case {
        const char* what;
        std::string from; // a line of en.txt, replaced by `to`
        std::string to;
        const char* message;
    };
    const Case cases[] = {
        {"missing text", "157=The profile file could not be imported.\n", "",
         "text 157 is missing"},
        {"empty text", "4=OK\n", "4=\n", "expected index=text"},
        {"given twice", "4=OK\n", "4=OK\n4=Fine\n", "text 4 is given twice"},
        {"outside the table", "4=OK\n", "4=OK\n500=Beyond\n", "from 0 to 499"},
        {"no index", "4=OK\n", "4=OK\nOK\n", "expected index=text"},
        {"wrong header", "[Setting]\n", "[Settings]\n", "must be [Setting]"},
        {"not UTF-8", "4=OK\n", "4=\xC0K\n", "not UTF-8"},
    };
    const std::string english = test::ReadBytes(kEnglishSource);
    for (const Case& c : cases) {
        const auto folder = test::FreshFolder(std::string("compile-") + c.what);
        std::string source = english;
        const std::size_t at = source.find(c.from);
        ASSERT_NE(at, std::string::npos) << c.what;
        source.replace(at, c.from.size(), c.to);
        const CompileRun run = Compile(folder, source, folder / "Lan.txt");
        EXPECT_NE(run.status, 0) << c.what;
        EXPECT_NE(run.errors.find(c.message), std::string::npos) << c.what << ": " << run.errors;
        EXPECT_FALSE(std::filesystem::exists(folder / "Lan.txt")) << c.what;
    }
}

} // namespace
} // namespace ferrox
