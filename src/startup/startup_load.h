#pragma once
// What the window loads at start-up, in its order; ferroxctl commands load the same before they
// work. DataFolder, ProgramFolder and UiScale must be set first.

#include "base/file_problems.h"
#include "lang/language_loader.h"

#include <filesystem>
#include <vector>

namespace ferrox {

struct UserDataLoad {
    bool languageRead = false;   // a language file was found and read
    bool macrosClean = false;    // the macro library file was read without a fault
    bool configRead = false;     // config.ini was valid (otherwise defaults were written)
    LanguageLoadResult language; // which language file was chosen and where it was read from
    // Files that could not be read and of which no copy could be kept: defaults stand in for
    // them in memory and no save replaces them (base/damaged_file.h). The user must be told.
    std::vector<std::filesystem::path> heldFiles;
    // Files that were no regular files, or could not be opened or not be saved over
    // (base/file_problems.h): defaults stand in for them too.
    std::vector<FileProblem> fileProblems;
};

// Language, macro library, configuration and profiles, DPI step table. Missing or damaged
// files fall back to defaults; nothing here fails outright.
UserDataLoad LoadUserData();

} // namespace ferrox
