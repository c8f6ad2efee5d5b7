#include "startup/startup_load.h"

#include "lang/language_loader.h"
#include "macros/macro_user_library.h"
#include "settings/config_file.h"
#include "settings/dpi_table.h"

namespace ferrox {

UserDataLoad LoadUserData() {
    UserDataLoad load;
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
