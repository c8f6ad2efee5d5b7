// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Export and import of single macros (.mkf) and sets (.mbf) on a path the user has chosen. An
// exchange file is a whole library file whose "Select Locaton" line names what to take from it.

#include "macros/macro_library.h"

#include <filesystem>
#include <string>

namespace ferrox {

enum class MacroImportStatus {
    Imported,
    Unreadable,      // no library could be read from the file
    NothingToImport, // the file's selection names no usable item
    NameExists,      // a name is already taken in the destination; nothing was imported
    NotAdded,        // the destination had no room; nothing was imported
};

struct MacroImportResult {
    MacroImportStatus status = MacroImportStatus::Unreadable;
    int itemsAdded = 0; // items placed in the destination group (their contents not counted)
};

// Copies what a macro holds (name, loop type and count, command count, action count and all
// 336 slots) but not its identity: the target keeps its MacroKeyIndex.
void CopyMacroContents(MacroKey& target, const MacroKey& source);

// File names offered by the save dialogs: "<name>.mkf"; "<name>.mbf" or "AllMacroKey.mbf" when
// nothing is selected. A "/" in a name would name a folder, so it becomes "_".
std::wstring ProposedMacroFileName(const MacroLibrary& library, const MacroLocation& selection);
std::wstring ProposedSetFileName(const MacroLibrary& library, const MacroLocation& selection);

// Only a selected macro can be exported; false when nothing is written.
[[nodiscard]] bool ExportMacro(const MacroLibrary& library, const MacroLocation& selection,
                               const std::filesystem::path& path);
[[nodiscard]] bool ExportMacroSet(const MacroLibrary& library, const MacroLocation& selection,
                                  const std::filesystem::path& path);

// Adds the file's macro relative to the selection (into a selected folder, which is then
// opened, otherwise at the top level); on success the selection names the new macro.
MacroImportResult ImportMacro(MacroLibrary& library, MacroLocation& selection,
                              const std::filesystem::path& path);
// Adds the file's selected items: all top-level items, a macro and the siblings after it, or
// one folder with its contents. Duplicate names in the destination refuse the whole import.
MacroImportResult ImportMacroSet(MacroLibrary& library, MacroLocation& selection,
                                 const std::filesystem::path& path);

} // namespace ferrox
