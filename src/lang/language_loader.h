// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start-up loading of the interface texts: the language chosen in "config/LanSetting.ini" is
// read from the data folder's "config" folder, or, when that copy is absent or is no language
// file, from the copy shipped in ProgramFolder/lang. The program never writes language files.

#include "lang/language_parser.h"
#include "lang/language_table.h"

#include <filesystem>
#include <string>

namespace ferrox {

struct LanguageLoadResult {
    std::wstring code;            // as read from LanSetting.ini (empty when there is none)
    std::wstring fileName;        // the language file it selects
    std::filesystem::path source; // the file the texts came from; empty when none was usable
    LanguageFileResult result = LanguageFileResult::Unopened;
};

// Reads one language file through the text file class (see ParseLanguageFile).
LanguageFileResult ReadLanguageFile(const std::filesystem::path& path, float uiScale,
                                    LanguageTexts& texts, LanguageFont& font);

// Fills LanguageTable and the font globals from DataFolder, ProgramFolder and UiScale. The
// table starts empty and the font at its default; the texts of AddedLanguageTexts that the file
// lacks are given in English.
LanguageLoadResult LoadLanguage();

} // namespace ferrox
