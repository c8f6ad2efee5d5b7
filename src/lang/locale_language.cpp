// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/locale_language.h"

#include <array>
#include <cstdlib>

namespace ferrox {

namespace {

struct LocaleLanguage {
    std::string_view language; // ISO 639-1, as a locale name starts
    std::wstring_view code;    // as LanSetting.ini names it
};

constexpr std::array kLocaleLanguages = {
    LocaleLanguage{"ru", L"RU"},
    LocaleLanguage{"uk", L"UA"},
};

constexpr std::wstring_view kFallbackCode = L"EN";

// The language part of a locale name: what comes before "_", "." or "@".
std::string_view LanguageOf(std::string_view locale) {
    return locale.substr(0, locale.find_first_of("_.@"));
}

} // namespace

LocaleVariables CurrentLocaleVariables() {
    return {std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG")};
}

std::wstring LocaleLanguageCode(const LocaleVariables& variables) {
    for (const char* value : {variables.lcAll, variables.lcMessages, variables.lang}) {
        if (!value || !*value)
            continue;
        const std::string_view language = LanguageOf(value);
        for (const LocaleLanguage& known : kLocaleLanguages)
            if (language == known.language)
                return std::wstring(known.code);
        break;
    }
    return std::wstring(kFallbackCode);
}

} // namespace ferrox
