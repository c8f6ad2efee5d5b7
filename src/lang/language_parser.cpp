// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/language_parser.h"

#include <cwctype>
#include <limits>

namespace ferrox {

namespace {

// The text before "=" as the C runtime reads a decimal number: leading blanks, a sign, then
// digits up to the first non-digit; no digits at all give 0. Values too large for an int are
// held at the int limits, which lie outside the table like any other bad index.
int DecimalPrefix(std::wstring_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && std::iswspace(static_cast<wint_t>(text[pos]))) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == L'+' || text[pos] == L'-')) {
        negative = text[pos] == L'-';
        ++pos;
    }
    long long value = 0;
    constexpr long long limit = std::numeric_limits<int>::max();
    for (; pos < text.size() && text[pos] >= L'0' && text[pos] <= L'9'; ++pos) {
        value = value * 10 + (text[pos] - L'0');
        if (value > limit) {
            value = limit;
            break;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

// Position of the first "=" when it splits the line into a non-empty key and value.
std::size_t SplitPosition(const std::wstring& line) {
    const std::size_t pos = line.find(L'=');
    if (pos == std::wstring::npos || pos == 0 || pos + 1 == line.size()) {
        return std::wstring::npos;
    }
    return pos;
}

} // namespace

std::wstring ParseLanguageCode(const LineReader& readLine) {
    std::wstring code;
    if (!readLine(code) || code != L"[ChangeLanguage]") {
        return code;
    }
    if (!readLine(code)) {
        return code;
    }
    const std::size_t pos = SplitPosition(code);
    return pos == std::wstring::npos ? code : code.substr(pos + 1);
}

std::wstring_view LanguageFileName(std::wstring_view code) {
    if (code == L"EN") {
        return L"Lan_EN.txt";
    }
    if (code == L"RU") {
        return L"Lan_RU.txt";
    }
    if (code == L"UA") {
        return L"Lan-UA.txt";
    }
    return L"Lan.txt";
}

LanguageFileResult ParseLanguageFile(const LineReader& readLine, float uiScale,
                                     LanguageTexts& texts, LanguageFont& font) {
    std::wstring line;
    if (!readLine(line) || line != L"[Setting]") {
        return LanguageFileResult::NotLanguageFile;
    }
    while (readLine(line)) {
        const std::size_t pos = SplitPosition(line);
        if (pos == std::wstring::npos) {
            return LanguageFileResult::StoppedEarly;
        }
        const int index = DecimalPrefix(std::wstring_view(line).substr(0, pos));
        if (index >= 0 && index < kLanguageTextCount) {
            texts[static_cast<std::size_t>(index)] = line.substr(pos + 1);
        }
    }
    font = FontForLanguage(texts[0], uiScale);
    return LanguageFileResult::Complete;
}

} // namespace ferrox
