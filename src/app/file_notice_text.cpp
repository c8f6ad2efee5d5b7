// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/file_notice_text.h"

#include "base/path_text.h"
#include "base/text_file.h"
#include "lang/language_table.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace ferrox {

namespace {

namespace fs = std::filesystem;

// Texts of the language file; the language loader fills in the English ones a file lacks.
constexpr int kNotReadText = 310;
constexpr int kNotSavedText = 311;

struct FoundText {
    fs::file_type found;
    int text;
};
constexpr FoundText kFoundTexts[] = {
    {fs::file_type::directory, 312}, // a folder
    {fs::file_type::fifo, 313},      // a named pipe
    {fs::file_type::character, 314}, // a device
    {fs::file_type::block, 314},
    {fs::file_type::socket, 315},
    {fs::file_type::not_found, 316}, // a link to nothing
};
struct ErrorText {
    int error;
    int text;
};
constexpr ErrorText kErrorTexts[] = {
    {ELOOP, 317}, // a link loop
    {EACCES, 318}, // no permission
    {EPERM, 318},
};

std::wstring Reason(const FileProblem& problem) {
    for (const FoundText& kind : kFoundTexts)
        if (problem.found != fs::file_type::none && kind.found == problem.found)
            return LanguageText(kind.text);
    for (const ErrorText& error : kErrorTexts)
        if (problem.found == fs::file_type::none && error.error == problem.error)
            return LanguageText(error.text);
    // Any other kind of file: the name alone says enough.
    return problem.found == fs::file_type::none ? FromUtf8(std::strerror(problem.error))
                                                : std::wstring();
}

std::wstring Line(const FileProblem& problem) {
    std::wstring line = L"\n" + PathText(problem.path);
    if (!problem.linkTarget.empty())
        line += L" \u2192 " + PathText(problem.linkTarget);
    const std::wstring reason = Reason(problem);
    return reason.empty() ? line : line + L" (" + reason + L")";
}

bool Unread(const std::vector<FileProblem>& problems, const fs::path& path) {
    return std::any_of(problems.begin(), problems.end(), [&](const FileProblem& problem) {
        return problem.use == FileUse::Read && problem.path == path;
    });
}

// A file that could not be read is named once, among those: that it was not saved over
// either goes without saying.
std::wstring Section(const std::vector<FileProblem>& problems, FileUse use,
                     int heading) {
    std::wstring lines;
    for (const FileProblem& problem : problems)
        if (problem.use == use && (use == FileUse::Read || !Unread(problems, problem.path)))
            lines += Line(problem);
    return lines.empty() ? lines : LanguageText(heading) + lines;
}

} // namespace

std::wstring FileProblemsText(const std::vector<FileProblem>& problems) {
    const std::wstring read = Section(problems, FileUse::Read, kNotReadText);
    const std::wstring saved = Section(problems, FileUse::Save, kNotSavedText);
    return JoinParagraphs(read, saved);
}

std::wstring JoinParagraphs(const std::wstring& first, const std::wstring& second) {
    return first.empty() || second.empty() ? first + second : first + L"\n\n" + second;
}

} // namespace ferrox
