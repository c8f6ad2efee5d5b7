// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/path_text.h"

#include "base/text_file.h"

namespace ferrox {

std::wstring PathText(const std::filesystem::path& path) {
    return FromUtf8(path.native(), Utf8Faults::KeepBytes);
}

std::filesystem::path TextPath(const std::wstring& text) {
    return std::filesystem::path(ToUtf8(text, Utf8Faults::KeepBytes));
}

} // namespace ferrox
