// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Build step: turns a readable UTF-8 language source (lang/*.txt) into the UTF-16LE language
// file the program reads, after checking that it is one the program can load completely and
// that it has every text the program shows.
//
//   ferrox_lang_compile SOURCE OUTPUT...
//
// Source lines starting with "#" and blank lines are dropped; every other line is written as
// it stands, followed by a line feed. Problems are reported as "SOURCE:LINE: message".

#include "lang/language_parser.h"
#include "lang/text_indices.h"
#include "base/text_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace ferrox;

struct SourceLine {
    int number;
    std::wstring text;
};

struct Source {
    std::string path;
    std::vector<SourceLine> lines; // "[Setting]" and the text lines
    int errors = 0;

    // Line 0 names the file as a whole.
    void report(int line, const std::string& kind, const std::string& message) {
        const std::string where = line > 0 ? path + ":" + std::to_string(line) : path;
        std::fprintf(stderr, "%s: %s: %s\n", where.c_str(), kind.c_str(), message.c_str());
    }
    void error(int line, const std::string& message) {
        report(line, "error", message);
        ++errors;
    }
};

bool ReadSource(Source& source) {
    std::ifstream in(source.path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "%s: cannot read the file\n", source.path.c_str());
        return false;
    }
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.erase(0, 3);
    }
    const std::wstring text = FromUtf8(bytes);
    int number = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) {
            end = text.size();
        }
        std::wstring line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        // A checkout with CR LF line ends must not put a "\r" into every text.
        if (line.ends_with(L'\r')) {
            line.pop_back();
        }
        if (line.find(L'\uFFFD') != std::wstring::npos) {
            source.error(number, "not UTF-8 text");
        }
        if (!line.empty() && !line.starts_with(L'#')) {
            source.lines.push_back({number, std::move(line)});
        }
    }
    return true;
}

// Each line must be one the program reads without stopping, with an index it has room for.
void CheckLines(Source& source) {
    if (source.lines.empty() || source.lines.front().text != L"[Setting]") {
        source.error(source.lines.empty() ? 1 : source.lines.front().number,
                     "the first line must be [Setting]");
        return;
    }
    std::set<int> seen;
    for (std::size_t i = 1; i < source.lines.size(); ++i) {
        const SourceLine& line = source.lines[i];
        const std::size_t pos = line.text.find(L'=');
        if (pos == std::wstring::npos || pos == 0 || pos + 1 == line.text.size()) {
            source.error(line.number, "expected index=text with a non-empty text");
            continue;
        }
        const std::wstring key = line.text.substr(0, pos);
        if (key.size() > 3 || key.find_first_not_of(L"0123456789") != std::wstring::npos) {
            source.error(line.number, "the index must be a number from 0 to 499");
            continue;
        }
        const int index = std::stoi(key);
        if (index >= kLanguageTextCount) {
            source.error(line.number, "the index must be a number from 0 to 499");
        } else if (!seen.insert(index).second) {
            source.error(line.number, "text " + std::to_string(index) + " is given twice");
        }
    }
}

int LineOfIndex(const Source& source, int index) {
    const std::wstring prefix = std::to_wstring(index) + L"=";
    for (const SourceLine& line : source.lines) {
        if (line.text.starts_with(prefix)) {
            return line.number;
        }
    }
    return 0;
}

// Parses the lines as the program will and checks every text it shows is there and fits.
void CheckTexts(Source& source) {
    std::size_t next = 0;
    const LineReader reader = [&source, &next](std::wstring& line) {
        if (next == source.lines.size()) {
            line.clear();
            return false;
        }
        line = source.lines[next++].text;
        return true;
    };
    LanguageTexts texts;
    LanguageFont font;
    if (ParseLanguageFile(reader, 1.0f, texts, font) != LanguageFileResult::Complete) {
        source.error(0, "the program would not read this file to its end");
        return;
    }
    for (const LanguageTextUse& use : LanguageTextsInUse()) {
        for (int index = use.first; index <= use.last; ++index) {
            const std::wstring& text = texts[static_cast<std::size_t>(index)];
            if (text.empty()) {
                source.error(0, "text " + std::to_string(index) + " is missing (" +
                                    std::string(use.role) + ")");
            } else if (MaxTextLength(use) > 0 &&
                       text.size() > static_cast<std::size_t>(MaxTextLength(use))) {
                source.report(LineOfIndex(source, index), "warning",
                              "text " + std::to_string(index) + " may not fit: " +
                                  std::to_string(text.size()) + " characters, about " +
                                  std::to_string(MaxTextLength(use)) + " fit");
            }
        }
    }
}

bool WriteLanguageFile(const Source& source, const std::filesystem::path& output) {
    std::error_code error;
    std::filesystem::create_directories(output.parent_path(), error);
    CStdioFileEx file;
    if (!file.Open(output, CStdioFileEx::kUnicodeWrite)) {
        std::fprintf(stderr, "%s: cannot write the file\n", output.string().c_str());
        return false;
    }
    try {
        for (const SourceLine& line : source.lines) {
            file.WriteText(line.text + L"\n");
        }
    } catch (const FileException& e) {
        std::fprintf(stderr, "%s: %s\n", output.string().c_str(), e.what());
        file.Abort();
        return false;
    }
    if (!file.Close()) {
        std::fprintf(stderr, "%s: cannot write the file\n", output.string().c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SOURCE OUTPUT...\n", argv[0]);
        return 2;
    }
    Source source{argv[1], {}, 0};
    if (!ReadSource(source)) {
        return 1;
    }
    CheckLines(source);
    if (source.errors == 0) {
        CheckTexts(source);
    }
    if (source.errors > 0) {
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        if (!WriteLanguageFile(source, argv[i])) {
            return 1;
        }
    }
    return 0;
}
