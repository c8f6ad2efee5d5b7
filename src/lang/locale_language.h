// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's language, for as long as the user has not chosen one in LanSetting.ini: POSIX
// looks at LC_ALL, then LC_MESSAGES, then LANG, and so does this.

#include <string>
#include <string_view>

namespace ferrox {

// The values of LC_ALL, LC_MESSAGES and LANG; null or empty means unset.
struct LocaleVariables {
    const char* lcAll = nullptr;
    const char* lcMessages = nullptr;
    const char* lang = nullptr;
};

LocaleVariables CurrentLocaleVariables();

// "RU" for a Russian locale ("ru", "ru_RU.UTF-8", "ru@..."), "UA" for a Ukrainian one, else
// "EN" ("C", "POSIX" and every other language).
std::wstring LocaleLanguageCode(const LocaleVariables& variables);

} // namespace ferrox
