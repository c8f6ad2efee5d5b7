// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The process-wide text table and interface font. Filled once at start-up from the selected
// language file (language_loader.h) and only read afterwards; every text the user reads is
// referred to by its index.

#include <array>
#include <string>

namespace ferrox {

inline constexpr int kLanguageTextCount = 500;

using LanguageTexts = std::array<std::wstring, kLanguageTextCount>;

// Index 0 holds the language's own name.
extern LanguageTexts LanguageTable;

// The interface font that comes with the language; before a language file has been read it
// is the Chinese face at 12 pixels (not scaled).
extern std::wstring LanguageFontFace;
extern int LanguageFontSize; // pixel height, already multiplied by UiScale
extern int LanguageCharset;

// LanguageTable[index], or an empty text for an index the table does not have, so callers
// holding an index from outside need no range check of their own.
std::wstring LanguageText(int index);

struct LanguageFont {
    std::wstring face;
    int size = 0;
    int charset = 0;
};

// The font before any language file was read.
LanguageFont DefaultLanguageFont();
// The font a loaded language implies: the Chinese face for a language named "中文", Tahoma
// otherwise; the height is multiplied by uiScale and truncated.
LanguageFont FontForLanguage(const std::wstring& languageName, float uiScale);

} // namespace ferrox
