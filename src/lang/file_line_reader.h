// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lines of an open text file as a LineReader for the language parsers.

#include "base/text_file.h"
#include "lang/language_parser.h"

namespace ferrox {

// A read error ends the reading like the end of the file; the line it was reading is dropped.
LineReader FileLineReader(CStdioFileEx& file);

} // namespace ferrox
