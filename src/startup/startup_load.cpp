#include "startup/startup_load.h"

#include "base/app_globals.h"
#include "base/damaged_file.h"
#include "base/file_problems.h"
#include "base/stale_temp_files.h"
#include "buttons/macro_link.h"
#include "lang/language_loader.h"
#include "macros/macro_user_library.h"
#include "settings/config_file.h"
#include "settings/dpi_table.h"
#include "settings/profile_settings.h"

namespace ferrox {

UserDataLoad LoadUserData() {
    UserDataLoad load;
    // Created only now: a command refused before it loads anything leaves no trace.
    CreateDataFolder(DataFolder);
    ReleaseHeldFiles();
    ForgetFileProblems();
    // Saves that a killed process left half-way; the files they were meant for are intact.
    RemoveStaleTempFiles(ConfigFolder());
    // Language first: default profile and key names written below are its texts.
    load.language = LoadLanguage();
    load.languageRead = load.language.result == LanguageFileResult::Complete ||
                        load.language.result == LanguageFileResult::StoppedEarly;
    load.macrosClean = LoadUserMacroLibrary();
    load.configRead = LoadConfig();
    for (ProfileSettings& profile : Profiles) {
        RefreshMacroCopies(profile.keys, UserMacroLibrary());
    }
    BuildDpiStepTable();
    load.heldFiles = HeldFiles();
    load.fileProblems = NotedFileProblems();
    return load;
}

} // namespace ferrox
