// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/language_loader.h"

#include "base/app_globals.h"
#include "base/text_file.h"
#include "lang/file_line_reader.h"
#include "lang/language_setting.h"
#include "lang/text_indices.h"

namespace ferrox {

namespace {

void FillAddedTexts(LanguageTexts& texts) {
    for (const AddedLanguageText& added : AddedLanguageTexts()) {
        std::wstring& text = texts[static_cast<std::size_t>(added.index)];
        if (text.empty()) {
            text = added.english;
        }
    }
}

} // namespace

LanguageFileResult ReadLanguageFile(const std::filesystem::path& path, float uiScale,
                                    LanguageTexts& texts, LanguageFont& font) {
    CStdioFileEx file;
    if (!file.Open(path, CStdioFileEx::kUnicodeRead)) {
        return LanguageFileResult::Unopened;
    }
    return ParseLanguageFile(FileLineReader(file), uiScale, texts, font);
}

LanguageLoadResult LoadLanguage() {
    LanguageLoadResult load;
    load.code = ReadLanguageCode(LanguageSettingPath());
    load.fileName = LanguageFileName(load.code);

    LanguageTexts texts;
    LanguageFont font = DefaultLanguageFont();
    // A file that stores nothing leaves texts and font untouched, so the next one starts clean.
    for (const std::filesystem::path& folder : {ConfigFolder(), ProgramFolder / "lang"}) {
        const std::filesystem::path path = folder / load.fileName;
        load.result = ReadLanguageFile(path, UiScale, texts, font);
        if (load.result == LanguageFileResult::StoppedEarly ||
            load.result == LanguageFileResult::Complete) {
            load.source = path;
            break;
        }
    }
    FillAddedTexts(texts);

    LanguageTable = std::move(texts);
    LanguageFontFace = font.face;
    LanguageFontSize = font.size;
    LanguageCharset = font.charset;
    return load;
}

} // namespace ferrox
