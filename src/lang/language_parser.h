// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the language choice and a language file from lines already in memory. The files
// themselves are opened by language_loader.h; keeping the rules here lets every case be
// tried without a disk.

#include "lang/language_table.h"

#include <functional>
#include <string>
#include <string_view>

namespace ferrox {

// Delivers the next line as the text file class reads it (a "\r" before the line feed stays);
// false at the end of the file or at an empty line, which ends every reader here.
using LineReader = std::function<bool(std::wstring&)>;

// The language code held by the lines of "config/LanSetting.ini": line 2's text after its first
// "=" below a "[ChangeLanguage]" line (line 2 as a whole when that "=" is missing, first or
// last), otherwise line 1 as a whole. Empty when nothing could be read.
std::wstring ParseLanguageCode(const LineReader& readLine);

// File name of the language file for a code; the comparison is case-sensitive and every code
// other than "EN", "RU" and "UA" gets the default "Lan.txt".
std::wstring_view LanguageFileName(std::wstring_view code);

enum class LanguageFileResult {
    Unopened,        // the file could not be opened (file readers only)
    NotLanguageFile, // the first line is not "[Setting]": nothing was stored
    StoppedEarly,    // a malformed line ended the reading: the texts before it were stored
    Complete,        // read to the end; the font was set
};

// Reads a language file: "[Setting]", then "index=text" lines until the end or an empty line.
// Texts are stored into `texts` as they are read; an index outside the table is skipped. A
// line without "=", or with "=" first or last, ends the reading and leaves the font alone.
// When the whole file was read the font follows the language's name (index 0) at uiScale.
LanguageFileResult ParseLanguageFile(const LineReader& readLine, float uiScale,
                                     LanguageTexts& texts, LanguageFont& font);

} // namespace ferrox
