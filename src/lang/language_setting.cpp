// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/language_setting.h"

#include "base/app_globals.h"
#include "base/text_file.h"
#include "lang/file_line_reader.h"
#include "lang/language_parser.h"
#include "lang/locale_language.h"

#include <algorithm>
#include <array>
#include <system_error>

namespace ferrox {

namespace {

constexpr std::array kShippedLanguages = {
    LanguageChoice{L"EN", L"English"},
    LanguageChoice{L"RU", L"Русский"},
    LanguageChoice{L"UA", L"Українська"},
};

} // namespace

std::span<const LanguageChoice> ShippedLanguages() {
    return kShippedLanguages;
}

const LanguageChoice* FindShippedLanguage(std::wstring_view code) {
    const auto found = std::find_if(kShippedLanguages.begin(), kShippedLanguages.end(),
                                    [code](const auto& choice) { return choice.code == code; });
    return found == kShippedLanguages.end() ? nullptr : &*found;
}

std::filesystem::path LanguageSettingPath() {
    return ConfigFolder() / "LanSetting.ini";
}

bool LanguageChosen(const std::filesystem::path& settingFile) {
    // Only a file that is not there leaves the choice to the desktop: one that is there but
    // cannot be read is still the user's choice, and its failure shows as such.
    std::error_code error;
    return std::filesystem::symlink_status(settingFile, error).type() !=
           std::filesystem::file_type::not_found;
}

std::wstring ReadLanguageCode(const std::filesystem::path& settingFile) {
    if (!LanguageChosen(settingFile))
        return LocaleLanguageCode(CurrentLocaleVariables());
    CStdioFileEx file;
    if (!file.Open(settingFile, CStdioFileEx::kUnicodeRead)) {
        return {};
    }
    return ParseLanguageCode(FileLineReader(file));
}

bool WriteLanguageSetting(const std::filesystem::path& settingFile, std::wstring_view code) {
    std::error_code error;
    std::filesystem::create_directories(settingFile.parent_path(), error);
    CStdioFileEx file;
    if (!file.Open(settingFile, CStdioFileEx::kUnicodeWrite)) {
        return false;
    }
    try {
        file.WriteText(L"[ChangeLanguage]\n");
        file.WriteText(L"Language=" + std::wstring(code) + L"\n");
    } catch (const FileException&) {
        file.Abort();
        return false;
    }
    return file.Close();
}

} // namespace ferrox
