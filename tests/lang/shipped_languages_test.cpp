// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The language files the build produces: each loads completely and has every text the program
// shows, short enough for the place it is drawn.

#include "lang/language_loader.h"
#include "lang/text_indices.h"
#include "lang_test_support.h"

#include <gtest/gtest.h>

namespace ferrox {
namespace {

const std::filesystem::path kShippedFolder = std::filesystem::path(FERROX_OUTPUT_DIR) / "lang";

struct Shipped {
    const char* file;
    std::wstring name;
};

const Shipped kShipped[] = {
    {"Lan.txt", L"English"},
    {"Lan_EN.txt", L"English"},
    {"Lan_RU.txt", L"Русский"},
    {"Lan-UA.txt", L"Українська"},
};

TEST(ShippedLanguages, LoadCompletelyWithEveryTextThatFits) {
    for (const Shipped& shipped : kShipped) {
        SCOPED_TRACE(shipped.file);
        LanguageTexts texts;
        LanguageFont font = DefaultLanguageFont();
        ASSERT_EQ(ReadLanguageFile(kShippedFolder / shipped.file, 1.0f, texts, font),
                  LanguageFileResult::Complete);
        EXPECT_EQ(texts[0], shipped.name);
        EXPECT_EQ(font.face, L"Tahoma");
        for (const LanguageTextUse& use : LanguageTextsInUse()) {
            for (int index = use.first; index <= use.last; ++index) {
                const std::wstring& text = texts[static_cast<std::size_t>(index)];
                EXPECT_FALSE(text.empty()) << "text " << index << ": " << use.role;
                if (MaxTextLength(use) > 0) {
                    EXPECT_LE(text.size(), static_cast<std::size_t>(MaxTextLength(use)))
                        << "text " << index << " \"" << ToUtf8(text) << "\": " << use.role;
                }
                EXPECT_EQ(text.find(L'\r'), std::wstring::npos) << "text " << index;
            }
        }
        // The power-down line is 266 + minutes + 267: the spaces around the number are theirs.
        EXPECT_TRUE(texts[266].ends_with(L' ')) << ToUtf8(texts[266]);
        EXPECT_TRUE(texts[267].starts_with(L' ')) << ToUtf8(texts[267]);
    }
}

TEST(ShippedLanguages, DefaultIsEnglishAndAddedTextsMatchTheBuiltInEnglish) {
    EXPECT_EQ(test::ReadBytes(kShippedFolder / "Lan.txt"),
              test::ReadBytes(kShippedFolder / "Lan_EN.txt"));
    LanguageTexts texts;
    LanguageFont font;
    ASSERT_EQ(ReadLanguageFile(kShippedFolder / "Lan_EN.txt", 1.0f, texts, font),
              LanguageFileResult::Complete);
    for (const AddedLanguageText& added : AddedLanguageTexts()) {
        EXPECT_TRUE(IsLanguageTextInUse(added.index)) << added.index;
        EXPECT_EQ(texts[static_cast<std::size_t>(added.index)], added.english) << added.index;
    }
}

TEST(ShippedLanguages, IndexTableRunsAreOrderedAndInsideTheTable) {
    int previousLast = -1;
    for (const LanguageTextUse& use : LanguageTextsInUse()) {
        EXPECT_GT(use.first, previousLast) << use.role;
        EXPECT_LE(use.first, use.last) << use.role;
        EXPECT_LT(use.last, kLanguageTextCount) << use.role;
        previousLast = use.last;
    }
}

} // namespace
} // namespace ferrox
