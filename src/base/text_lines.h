// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole-file line access over CStdioFileEx for the readers that parse from memory.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ferrox {

// Lines as CStdioFileEx::ReadLine returns them (unicode mode), up to the first empty read and
// at most maxLines of them. Nothing when the file cannot be opened or read, or is larger than
// maxBytes: a file that size is not one of ours.
std::optional<std::vector<std::wstring>>
ReadTextLines(const std::filesystem::path& path, std::uintmax_t maxBytes, std::size_t maxLines);

// Writes each line followed by "\n" as UTF-16LE with a byte-order mark, creating the folder
// when missing. True only when the whole file is in place.
bool WriteTextLines(const std::filesystem::path& path, const std::vector<std::wstring>& lines);

// Free text as one line: a "\n" inside would split the record and break the file, so it
// becomes a space.
std::wstring SingleLine(std::wstring text);

} // namespace ferrox
