#include "macros/macro_user_library.h"

#include "macros/macro_library_file.h"
#include "settings/app_globals.h"

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

bool LoadUserMacroLibrary(MacroLibrary& library) {
    const std::filesystem::path path = UserMacroLibraryPath();
    MacroLocation ignored;
    if (ReadMacroLibrary(path, library, ignored))
        return true;
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec)) {
        std::filesystem::path copy = path;
        copy += ".damaged";
        std::filesystem::copy_file(path, copy, std::filesystem::copy_options::overwrite_existing,
                                   ec);
    }
    return false;
}

bool SaveUserMacroLibrary(const MacroLibrary& library) {
    std::error_code ec;
    std::filesystem::create_directories(UserMacroLibraryPath().parent_path(), ec);
    return WriteMacroLibrary(UserMacroLibraryPath(), library, MacroLocation{});
}

} // namespace ferrox
