// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Library items named by path: the names from the top level down, joined by "/" ("Games/Jump").

#include "macros/macro_library.h"

#include <optional>
#include <string>

namespace ferrox {

// The used slot of each name in turn; empty names between slashes are skipped. Nothing when a
// name is missing or the path names no item at all.
std::optional<MacroLocation> FindLibraryPath(const MacroLibrary& library,
                                             const std::wstring& path);

// The macro at the path; null for a folder or a missing item.
const MacroItem* FindMacroAtPath(const MacroLibrary& library, const std::wstring& path);

} // namespace ferrox
