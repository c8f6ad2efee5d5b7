// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/text_lines.h"

#include "base/text_file.h"

#include <system_error>

namespace ferrox {

std::optional<std::vector<std::wstring>>
ReadTextLines(const std::filesystem::path& path, std::uintmax_t maxBytes, std::size_t maxLines) {
    CStdioFileEx file;
    if (!file.Open(path, CStdioFileEx::kUnicodeRead) || file.Size() > maxBytes)
        return std::nullopt;
    std::vector<std::wstring> lines;
    try {
        std::wstring line;
        while (lines.size() < maxLines && file.ReadLine(line))
            lines.push_back(std::move(line));
    } catch (const FileException&) {
        return std::nullopt;
    }
    return lines;
}

bool WriteTextLines(const std::filesystem::path& path, const std::vector<std::wstring>& lines) {
    std::error_code ec;
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path(), ec);
    CStdioFileEx file;
    if (!file.Open(path, CStdioFileEx::kUnicodeWrite))
        return false;
    try {
        for (const std::wstring& line : lines)
            file.WriteText(line + L"\n");
    } catch (const FileException&) {
        file.Abort();
        return false;
    }
    return file.Close();
}

std::wstring SingleLine(std::wstring text) {
    for (wchar_t& c : text)
        if (c == L'\n')
            c = L' ';
    return text;
}

} // namespace ferrox
