// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's macro library: one per process, loaded at start-up from
// config/MacroLibraryFile.mlf under DataFolder and saved when the macro manager closes.

#include "base/readable_file.h"
#include "macros/macro_library.h"
#include "macros/macro_library_saves.h"

#include <filesystem>

namespace ferrox {

MacroLibrary& UserMacroLibrary();
// The macro manager's current selection, kept beside the library.
MacroLocation& MacroManagerSelection();

std::filesystem::path UserMacroLibraryPath();

// Reads the user's library file into the library; the file's selection is ignored. A missing
// file leaves the library empty. A damaged file loads what comes before the fault, and a copy
// of it is kept as "MacroLibraryFile.mlf.damaged" so that the next save cannot cost the user
// the rest. A file that is there but cannot be read is held (never replaced) and the library
// left as it is. Returns whether the file was read cleanly; check tells what was found.
bool LoadUserMacroLibrary(MacroLibrary& library = UserMacroLibrary(), FileCheck* check = nullptr);
// Writes the library with no selection, after the saves still queued for the file; false when
// it could not be written (the old file is then unchanged). Waits for the disk: the window
// saves through UserMacroLibrarySaves() instead.
[[nodiscard]] bool SaveUserMacroLibrary(const MacroLibrary& library = UserMacroLibrary());

// The saves of the user's library file, written on a thread of their own. The program waits
// for them before it ends.
MacroLibrarySaves& UserMacroLibrarySaves();
// Writes a library with no selection to the user's library file as it is named now (the data
// folder may change later; the write keeps the file). For any thread.
MacroLibrarySaves::Write UserMacroLibraryWrite();

} // namespace ferrox
