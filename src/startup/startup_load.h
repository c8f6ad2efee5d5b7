// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window loads at start-up, in its order; ferroxctl commands load the same before they
// work. DataFolder, ProgramFolder and UiScale must be set first.

#include "base/file_problems.h"
#include "lang/language_loader.h"

#include <filesystem>
#include <string>
#include <vector>

namespace ferrox {

// Something about a file or folder of the data folder that the user must be told.
struct DataProblem {
    enum class Kind {
        Note,     // it was damaged, or named no file: it was kept and defaults replace it
        Unread,   // it is there but could not be read: defaults stand in, and it is left alone
        NotSaved, // the defaults that stand in for it could not be saved
    };
    std::filesystem::path path;
    std::string text; // what follows the path in a sentence: what is wrong, what was done
    Kind kind = Kind::Note;
};

struct UserDataLoad {
    bool languageRead = false;   // a language file was found and read
    bool macrosClean = false;    // the macro library file was read without a fault
    bool configRead = false;     // config.ini was valid (otherwise defaults were written)
    LanguageLoadResult language; // which language file was chosen and where it was read from
    // Whether any of the user's files (configuration, profiles, macro library) was read.
    bool anythingRead = false;
    // In the order met. A data folder that cannot hold files is the one problem told of it.
    std::vector<DataProblem> problems;
    // Files that were no regular files, or could not be opened or not be saved over
    // (base/file_problems.h), as the file layer met them: defaults stand in for them too.
    std::vector<FileProblem> fileProblems;

    // Something is there that could not be read: a command that would save over it must not run.
    bool SomethingUnread() const;
    // Nothing of the user's could be read, and something stood in the way: what is shown is
    // defaults only.
    bool NothingRead() const;
};

// Language, macro library, configuration and profiles, DPI step table. Missing or damaged
// files fall back to defaults; nothing here fails outright.
UserDataLoad LoadUserData();
// Which language file the last LoadUserData chose, and where it was read from.
const LanguageLoadResult& LoadedLanguage();

} // namespace ferrox
