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

struct NoticeText {
    int index;
    const wchar_t* english; // for a language file that has no such text yet
};

constexpr NoticeText kNotRead{310, L"These files could not be read; defaults are used in their place:"};
constexpr NoticeText kNotSaved{311, L"These files were left as they are and not saved:"};

struct FoundText {
    fs::file_type found;
    NoticeText text;
};
constexpr FoundText kFoundTexts[] = {
    {fs::file_type::directory, {312, L"a folder"}},
    {fs::file_type::fifo, {313, L"a named pipe"}},
    {fs::file_type::character, {314, L"a device"}},
    {fs::file_type::block, {314, L"a device"}},
    {fs::file_type::socket, {315, L"a socket"}},
    {fs::file_type::not_found, {316, L"a link to nothing"}},
};
struct ErrorText {
    int error;
    NoticeText text;
};
constexpr ErrorText kErrorTexts[] = {
    {ELOOP, {317, L"a link loop"}},
    {EACCES, {318, L"no permission"}},
    {EPERM, {318, L"no permission"}},
};

std::wstring Text(const NoticeText& text) {
    const std::wstring own = LanguageText(text.index);
    return own.empty() ? std::wstring(text.english) : own;
}

std::wstring Reason(const FileProblem& problem) {
    for (const FoundText& kind : kFoundTexts)
        if (problem.found != fs::file_type::none && kind.found == problem.found)
            return Text(kind.text);
    for (const ErrorText& error : kErrorTexts)
        if (problem.found == fs::file_type::none && error.error == problem.error)
            return Text(error.text);
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
                     const NoticeText& heading) {
    std::wstring lines;
    for (const FileProblem& problem : problems)
        if (problem.use == use && (use == FileUse::Read || !Unread(problems, problem.path)))
            lines += Line(problem);
    return lines.empty() ? lines : Text(heading) + lines;
}

} // namespace

std::wstring FileProblemsText(const std::vector<FileProblem>& problems) {
    const std::wstring read = Section(problems, FileUse::Read, kNotRead);
    const std::wstring saved = Section(problems, FileUse::Save, kNotSaved);
    return JoinParagraphs(read, saved);
}

std::wstring JoinParagraphs(const std::wstring& first, const std::wstring& second) {
    return first.empty() || second.empty() ? first + second : first + L"\n\n" + second;
}

} // namespace ferrox
