// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "config/LanSetting.ini": the small file that chooses the language. The window only reads
// it; ferroxctl can write it so a language can be chosen without an editor that writes
// UTF-16. Until it exists, the language follows the desktop's locale.

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace ferrox {

// The languages shipped with the program, by the code LanSetting.ini holds.
struct LanguageChoice {
    std::wstring_view code;
    std::wstring_view name; // the language's own name, as its file's text 0
};

std::span<const LanguageChoice> ShippedLanguages();
// The shipped language of a code (case-sensitive), or null.
const LanguageChoice* FindShippedLanguage(std::wstring_view code);

std::filesystem::path LanguageSettingPath(); // DataFolder/config/LanSetting.ini

// False while the file does not exist: the user has not chosen a language yet.
bool LanguageChosen(const std::filesystem::path& settingFile);

// The code held by the file (see ParseLanguageCode); empty when it cannot be opened or read.
// While the file does not exist the user has not chosen, and the desktop's locale decides
// (LocaleLanguageCode). Nothing writes the file but the user's own choice.
std::wstring ReadLanguageCode(const std::filesystem::path& settingFile);

// Writes "[ChangeLanguage]" and "Language=<code>" as a UTF-16LE file, creating its folder
// when needed. False when the file could not be written; the old file then stays.
[[nodiscard]] bool WriteLanguageSetting(const std::filesystem::path& settingFile,
                                        std::wstring_view code);

} // namespace ferrox
