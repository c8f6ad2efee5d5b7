#include "settings/startup_load.h"

#include "lang/language_loader.h"
#include "macros/macro_user_library.h"
#include "settings/app_globals.h"
#include "settings/config_file.h"
#include "settings/dpi_table.h"
#include "settings/stale_temp_files.h"

namespace ferrox {

UserDataLoad LoadUserData() {
    UserDataLoad load;
    // Saves that a killed process left half-way; the files they were meant for are intact.
    RemoveStaleTempFiles(ConfigFolder());
    // Language first: default profile and key names written below are its texts.
    load.language = LoadLanguage();
    load.languageRead = load.language.result == LanguageFileResult::Complete ||
                        load.language.result == LanguageFileResult::StoppedEarly;
    load.macrosClean = LoadUserMacroLibrary();
    load.configRead = LoadConfig();
    BuildDpiStepTable();
    return load;
}

} // namespace ferrox
