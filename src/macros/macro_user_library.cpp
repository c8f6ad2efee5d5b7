// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "macros/macro_user_library.h"

#include "base/app_globals.h"
#include "base/damaged_file.h"
#include "base/file_problems.h"
#include "base/regular_file.h"
#include "macros/macro_library_file.h"

#include <system_error>

namespace ferrox {

MacroLibrary& UserMacroLibrary() {
    static MacroLibrary library;
    return library;
}

MacroLocation& MacroManagerSelection() {
    static MacroLocation selection;
    return selection;
}

std::filesystem::path UserMacroLibraryPath() {
    return ConfigFolder() / "MacroLibraryFile.mlf";
}

bool LoadUserMacroLibrary(MacroLibrary& library, FileCheck* check) {
    const std::filesystem::path path = UserMacroLibraryPath();
    const FileCheck found = CheckReadableFile(path);
    if (check)
        *check = found;
    if (found.state == FileState::Unreadable) {
        HoldFile(path);
        return false;
    }
    MacroLocation ignored;
    if (ReadMacroLibrary(path, library, ignored))
        return true;
    KeepDamagedFile(path);
    return false;
}

bool SaveUserMacroLibrary(const MacroLibrary& library) {
    UserMacroLibrarySaves().Wait();
    return UserMacroLibraryWrite()(library);
}

MacroLibrarySaves& UserMacroLibrarySaves() {
    static MacroLibrarySaves saves;
    return saves;
}

MacroLibrarySaves::Write UserMacroLibraryWrite() {
    return [path = UserMacroLibraryPath()](const MacroLibrary& library) {
        std::error_code ec;
        std::filesystem::create_directories(path.parent_path(), ec);
        return WriteMacroLibrary(path, library, MacroLocation{});
    };
}

} // namespace ferrox
