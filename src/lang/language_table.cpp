// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/language_table.h"

namespace ferrox {

namespace {
// GB2312_CHARSET and DEFAULT_CHARSET: the values the skinned controls pass on to font creation.
constexpr int kChineseCharset = 134;
constexpr int kDefaultCharset = 1;
constexpr int kChineseHeight = 12;
constexpr int kLatinHeight = 16;
const wchar_t* const kChineseFace = L"宋体";
const wchar_t* const kChineseName = L"中文";
} // namespace

LanguageTexts LanguageTable;
std::wstring LanguageFontFace = kChineseFace;
int LanguageFontSize = kChineseHeight;
int LanguageCharset = kChineseCharset;

LanguageFont DefaultLanguageFont() {
    return {kChineseFace, kChineseHeight, kChineseCharset};
}

LanguageFont FontForLanguage(const std::wstring& languageName, float uiScale) {
    if (languageName == kChineseName) {
        return {kChineseFace, static_cast<int>(kChineseHeight * uiScale), kChineseCharset};
    }
    return {L"Tahoma", static_cast<int>(kLatinHeight * uiScale), kDefaultCharset};
}

} // namespace ferrox
