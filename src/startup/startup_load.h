// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window loads at start-up, in its order; ferroxctl commands load the same before they
// work. DataFolder, ProgramFolder and UiScale must be set first.

#include "base/file_problems.h"
#include "lang/language_loader.h"
#include "settings/config_file.h"

#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
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

// The same load in two halves, so the caller can build its window meanwhile: the macro library
// (the largest file by far) is read on a thread of its own while the constructor loads the
// rest on the caller's thread. Finish() waits for the library, puts it in UserMacroLibrary()
// and the profiles' macro copies, and tells what was met; until then the user's library is
// not touched. Finish() is called once, on the thread that started the load.
class UserDataLoading {
public:
    UserDataLoading();
    ~UserDataLoading();
    UserDataLoading(const UserDataLoading&) = delete;
    UserDataLoading& operator=(const UserDataLoading&) = delete;

    UserDataLoad Finish();

private:
    struct Library;
    std::unique_ptr<Library> library_;
    std::error_code created_;
    UserDataLoad load_;
    ConfigLoadReport config_;
};

} // namespace ferrox
