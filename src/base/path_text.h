// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File-system paths as the wide strings that tables, files and texts carry, and back. File
// names here are bytes that are UTF-8 by convention whatever the locale says; the standard
// library's own conversions follow the C locale and throw on the first non-ASCII name, so every
// path that meets a wide string goes through these. They never throw, and a name that is not
// valid UTF-8 comes back byte for byte.

#include <filesystem>
#include <string>

namespace ferrox {

std::wstring PathText(const std::filesystem::path& path);
std::filesystem::path TextPath(const std::wstring& text);

} // namespace ferrox
