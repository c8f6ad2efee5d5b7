#pragma once
// The user's macro library: one per process, loaded at start-up from
// config/MacroLibraryFile.mlf under DataFolder and saved when the macro manager closes.

#include "base/readable_file.h"
#include "macros/macro_library.h"

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
// Writes the library with no selection; false when it could not be written (the old file is
// then unchanged).
[[nodiscard]] bool SaveUserMacroLibrary(const MacroLibrary& library = UserMacroLibrary());

} // namespace ferrox
