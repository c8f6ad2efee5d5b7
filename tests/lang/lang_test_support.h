// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers shared by the language tests: lines in memory and UTF-16LE files on disk (the
// folder and byte helpers are the settings tests').

#include "base/text_file.h"
#include "environment_variable.h"
#include "lang/language_parser.h"
#include "settings/test_support.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace ferrox::test {

// Serves the lines one by one as the text file class would, then reports the end.
inline LineReader LinesOf(std::vector<std::wstring> lines) {
    return [lines = std::move(lines), next = std::size_t{0}](std::wstring& line) mutable {
        line = next < lines.size() ? lines[next++] : std::wstring();
        return !line.empty();
    };
}

// Writes the text as UTF-16LE with a byte-order mark, exactly as given (line ends included).
inline void WriteUnicodeFile(const std::filesystem::path& path, const std::wstring& text) {
    std::filesystem::create_directories(path.parent_path());
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : ToUtf16(text)) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// LANG as given, LC_ALL and LC_MESSAGES unset, for one test.
class LocaleEnvironment {
public:
    explicit LocaleEnvironment(const char* lang) : lang_("LANG", lang) {}

private:
    EnvironmentVariable all_{"LC_ALL", nullptr};
    EnvironmentVariable messages_{"LC_MESSAGES", nullptr};
    EnvironmentVariable lang_;
};

} // namespace ferrox::test
