// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The library text format shared by the user's library (.mlf) and the exchange files (.mkf one
// macro, .mbf a set): a header with the key-index counter and a selection, then one block per
// used slot, level by level. Parsing works on lines in memory; the path functions only add the
// file I/O.

#include "macros/macro_library.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ferrox {

// Hands out the next line (without its "\n"); false when there are no more lines.
using MacroLineSource = std::function<bool(std::wstring& line)>;

// The whole file text, every line ended by "\n" (the byte-order mark is the file's business).
std::wstring FormatMacroLibrary(const MacroLibrary& library, const MacroLocation& selection);

// Clears the target and reads into it. True only when the text ends cleanly after a complete
// block (or after the header); on a bad line it stops, keeps what was placed before and drops a
// macro whose block was cut off. Items outside the tree are skipped and reading goes on.
// selection receives the file's "Select Locaton" line as written.
bool ParseMacroLibrary(const MacroLineSource& next, MacroLibrary& target, MacroLocation& selection);
bool ParseMacroLibrary(std::wstring_view text, MacroLibrary& target, MacroLocation& selection);

// False when the file cannot be written; the old file is then left as it was.
[[nodiscard]] bool WriteMacroLibrary(const std::filesystem::path& path, const MacroLibrary& library,
                                     const MacroLocation& selection);
// False and the target untouched when the file cannot be opened; otherwise as
// ParseMacroLibrary (a read error counts as the end of a damaged file).
bool ReadMacroLibrary(const std::filesystem::path& path, MacroLibrary& target,
                      MacroLocation& selection);

} // namespace ferrox
