// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/file_line_reader.h"

namespace ferrox {

LineReader FileLineReader(CStdioFileEx& file) {
    return [&file](std::wstring& line) {
        try {
            return file.ReadLine(line);
        } catch (const FileException&) {
            line.clear();
            return false;
        }
    };
}

} // namespace ferrox
