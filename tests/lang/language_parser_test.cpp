// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The language choice and language file rules, on lines in memory.

#include "lang/language_parser.h"
#include "lang_test_support.h"

#include <gtest/gtest.h>

namespace ferrox {
namespace {

using test::LinesOf;

struct CodeCase {
    std::vector<std::wstring> lines;
    std::wstring code;
};

TEST(LanguageCode, IsReadFromTheSettingLines) {
    const CodeCase cases[] = {
        {{}, L""},
        {{L"[ChangeLanguage]", L"Language=EN"}, L"EN"},
        {{L"[ChangeLanguage]", L"AnyKey=RU"}, L"RU"},
        {{L"UA"}, L"UA"},
        {{L"[ChangeLanguage]", L"RU"}, L"RU"},
        {{L"[ChangeLanguage]", L"=RU"}, L"=RU"},
        {{L"[ChangeLanguage]", L"Language="}, L"Language="},
        {{L"[ChangeLanguage]", L"a=b=c"}, L"b=c"},
        {{L"[ChangeLanguage]"}, L""},
        // Line ends written as CR LF keep their "\r", so the header is not recognised.
        {{L"[ChangeLanguage]\r", L"Language=RU\r"}, L"[ChangeLanguage]\r"},
    };
    for (const CodeCase& c : cases) {
        EXPECT_EQ(ParseLanguageCode(LinesOf(c.lines)), c.code)
            << (c.lines.empty() ? std::string("no lines") : ToUtf8(c.lines.back()));
    }
}

TEST(LanguageCode, SelectsTheFileCaseSensitively) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"EN", L"Lan_EN.txt"}, {L"RU", L"Lan_RU.txt"},     {L"UA", L"Lan-UA.txt"},
        {L"en", L"Lan.txt"},    {L"RU\r", L"Lan.txt"},      {L"", L"Lan.txt"},
        {L"DE", L"Lan.txt"},    {L"Language=", L"Lan.txt"},
    };
    for (const auto& [code, file] : cases) {
        EXPECT_EQ(LanguageFileName(code), file) << ToUtf8(code);
    }
}

struct FileCase {
    const char* what;
    std::vector<std::wstring> lines;
    LanguageFileResult result;
    std::vector<std::pair<int, std::wstring>> stored; // every non-empty text afterwards
};

TEST(LanguageFile, StoresTextsAndStopsAtMalformedLines) {
    const FileCase cases[] = {
        {"wrong header", {L"[Settings]", L"1=A"}, LanguageFileResult::NotLanguageFile, {}},
        {"CR LF header", {L"[Setting]\r", L"1=A\r"}, LanguageFileResult::NotLanguageFile, {}},
        {"empty file", {}, LanguageFileResult::NotLanguageFile, {}},
        {"number and = only",
         {L"[Setting]", L"1=A", L"2=", L"3=C"},
         LanguageFileResult::StoppedEarly,
         {{1, L"A"}}},
        {"line starting with =",
         {L"[Setting]", L"1=A", L"=B", L"3=C"},
         LanguageFileResult::StoppedEarly,
         {{1, L"A"}}},
        {"line without =",
         {L"[Setting]", L"1=A", L"just words", L"3=C"},
         LanguageFileResult::StoppedEarly,
         {{1, L"A"}}},
        {"a lone line feed",
         {L"[Setting]", L"1=A", L"\n", L"3=C"},
         LanguageFileResult::StoppedEarly,
         {{1, L"A"}}},
        {"index that is not a number",
         {L"[Setting]", L"abc=Hello"},
         LanguageFileResult::Complete,
         {{0, L"Hello"}}},
        {"indexes outside the table are skipped",
         {L"[Setting]", L"500=X", L"-1=Y", L"99999999999=Z", L"499=Last", L"7=Seven"},
         LanguageFileResult::Complete,
         {{7, L"Seven"}, {499, L"Last"}}},
        {"later line replaces, text kept as it stands",
         {L"[Setting]", L"4=First", L"9= a = b ", L"4=Second"},
         LanguageFileResult::Complete,
         {{4, L"Second"}, {9, L" a = b "}}},
        {"reading ends at an empty line",
         {L"[Setting]", L"1=A", L"", L"2=B"},
         LanguageFileResult::Complete,
         {{1, L"A"}}},
    };
    for (const FileCase& c : cases) {
        LanguageTexts texts;
        LanguageFont font = DefaultLanguageFont();
        EXPECT_EQ(ParseLanguageFile(LinesOf(c.lines), 1.0f, texts, font), c.result) << c.what;
        LanguageTexts expected;
        for (const auto& [index, text] : c.stored) {
            expected[static_cast<std::size_t>(index)] = text;
        }
        EXPECT_EQ(texts, expected) << c.what;
        if (c.result != LanguageFileResult::Complete) {
            EXPECT_EQ(font.face, L"宋体") << c.what;
            EXPECT_EQ(font.size, 12) << c.what;
            EXPECT_EQ(font.charset, 134) << c.what;
        }
    }
}

TEST(LanguageFile, FontFollowsTheLanguageNameAndScale) {
    struct Case {
        std::wstring name;
        float scale;
        std::wstring face;
        int size;
        int charset;
    };
    const Case cases[] = {
        {L"中文", 1.0f, L"宋体", 12, 134},    {L"中文", 1.5f, L"宋体", 18, 134},
        {L"中文", 2.0f, L"宋体", 24, 134},    {L"English", 1.0f, L"Tahoma", 16, 1},
        {L"English", 1.5f, L"Tahoma", 24, 1}, {L"Русский", 2.0f, L"Tahoma", 32, 1},
        {L"中文 ", 2.0f, L"Tahoma", 32, 1},
    };
    for (const Case& c : cases) {
        LanguageTexts texts;
        LanguageFont font = DefaultLanguageFont();
        ASSERT_EQ(ParseLanguageFile(LinesOf({L"[Setting]", L"0=" + c.name}), c.scale, texts, font),
                  LanguageFileResult::Complete);
        EXPECT_EQ(font.face, c.face) << ToUtf8(c.name) << " at " << c.scale;
        EXPECT_EQ(font.size, c.size) << ToUtf8(c.name) << " at " << c.scale;
        EXPECT_EQ(font.charset, c.charset) << ToUtf8(c.name) << " at " << c.scale;
    }
}

TEST(LanguageTable, OutOfRangeIndexesReadAsEmpty) {
    LanguageTable[499] = L"last";
    EXPECT_EQ(LanguageText(499), L"last");
    EXPECT_EQ(LanguageText(500), L"");
    EXPECT_EQ(LanguageText(-1), L"");
    LanguageTable[499].clear();
}

} // namespace
} // namespace ferrox
