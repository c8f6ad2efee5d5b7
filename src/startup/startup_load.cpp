// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup/startup_load.h"

#include "base/app_globals.h"
#include "base/damaged_file.h"
#include "base/file_problems.h"
#include "base/readable_file.h"
#include "base/text_file.h"
#include "base/stale_temp_files.h"
#include "buttons/macro_link.h"
#include "lang/language_loader.h"
#include "macros/macro_user_library.h"
#include "settings/config_file.h"
#include "settings/dpi_table.h"
#include "settings/profile_settings.h"
#include "settings/settings_saves.h"

#include <algorithm>
#include <future>

namespace ferrox {

namespace fs = std::filesystem;

namespace {

using Kind = DataProblem::Kind;

void Add(UserDataLoad& load, fs::path path, std::string text, Kind kind) {
    load.problems.push_back({std::move(path), std::move(text), kind});
}

// Why the data folder cannot hold the files; empty when it can.
DataProblem FolderProblemOf(const std::error_code& created) {
    for (const fs::path& folder : {DataFolder, ConfigFolder()})
        if (std::string problem = FolderProblem(folder); !problem.empty())
            return {folder, "cannot hold the settings (" + problem + ")", Kind::Unread};
    if (created)
        return {ConfigFolder(), "cannot be made (" + created.message() + ")", Kind::Unread};
    return {};
}

std::string SlotText(int slot) {
    return "slot " + std::to_string(slot);
}

void AddConfigProblems(UserDataLoad& load, const ConfigLoadReport& report) {
    const fs::path path = ConfigFilePath();
    switch (report.source) {
    case ConfigLoadReport::Source::Read:
    case ConfigLoadReport::Source::Missing:
        break;
    case ConfigLoadReport::Source::Damaged:
        if (!IsHeldFile(path))
            Add(load, path, "is no configuration file; a copy is kept beside it and defaults "
                            "replace it", Kind::Note);
        break;
    case ConfigLoadReport::Source::Unreadable:
        Add(load, path, "cannot be read (" + report.reason + "); defaults stand in for it, "
                        "it is left as it is, and no profile file is saved while it cannot "
                        "be read", Kind::Unread);
        break;
    }
    if (report.saveFailed && !FileProblemNoted(path))
        Add(load, path, "could not be written; the defaults that stand in for it are not saved",
            Kind::NotSaved);
    for (const SlotPathFallback& fallback : report.fallbacks) {
        const std::string key = "ProfileSlot" + std::to_string(fallback.slot) + "URL";
        Add(load, path,
            "names no profile file for " + SlotText(fallback.slot) + " (" + key + "=\"" +
                ToUtf8(fallback.stored, Utf8Faults::KeepBytes) + "\" " +
                (fallback.fault == SlotPathFault::NotAbsolute ? "is not an absolute path"
                                                              : "does not end in .psf") +
                "); the slot uses " + ProfileSlotPath(fallback.slot).string() + " instead",
            Kind::Note);
    }
}

void AddProfileProblems(UserDataLoad& load, const ConfigLoadReport& report) {
    for (int slot = 0; slot < ProfileCount; ++slot) {
        const ProfileReadNote& note = report.profiles[std::size_t(slot)];
        const fs::path path = ProfileSlotPath(slot);
        if (note.file.state == FileState::Unreadable)
            Add(load, path, "cannot be read (" + note.file.reason + "); " + SlotText(slot) +
                                " starts from defaults and the file is left as it is",
                Kind::Unread);
        else if (note.damaged && !IsHeldFile(path))
            Add(load, path, "is no profile file; a copy is kept beside it and " + SlotText(slot) +
                                " starts from defaults", Kind::Note);
        if (note.saveFailed && !FileProblemNoted(path))
            Add(load, path, "could not be written; the defaults of " + SlotText(slot) +
                                " are not saved", Kind::NotSaved);
        load.anythingRead |= note.file.state == FileState::Readable && !note.damaged;
    }
}

void AddMacroProblems(UserDataLoad& load, const FileCheck& check) {
    const fs::path path = UserMacroLibraryPath();
    if (check.state == FileState::Unreadable)
        Add(load, path, "cannot be read (" + check.reason + "); the macro library starts "
                        "empty and the file is left as it is", Kind::Unread);
    else if (check.state == FileState::Readable && !load.macrosClean && !IsHeldFile(path))
        Add(load, path, "is damaged; the macros before the damage are used and a copy is kept "
                        "beside it", Kind::Note);
    load.anythingRead |= check.state == FileState::Readable;
}

// Files that could not be read when they were to be kept, not told of above.
void AddHeldFiles(UserDataLoad& load, const ConfigLoadReport& report) {
    for (const fs::path& file : HeldFiles()) {
        const bool told = std::any_of(load.problems.begin(), load.problems.end(),
                                      [&](const DataProblem& p) { return p.path == file; });
        bool slotDefault = false;
        for (int slot = 0; slot < ProfileCount; ++slot)
            slotDefault |= file == DefaultProfilePath(slot);
        if (told || (slotDefault && report.source == ConfigLoadReport::Source::Unreadable))
            continue;
        Add(load, file, "could not be read and no copy of it could be kept; defaults are used "
                        "in its place and the file is left as it is", Kind::Unread);
    }
}

} // namespace

bool UserDataLoad::SomethingUnread() const {
    return std::any_of(problems.begin(), problems.end(),
                       [](const DataProblem& p) { return p.kind == Kind::Unread; });
}

bool UserDataLoad::NothingRead() const {
    return !anythingRead && (!fileProblems.empty() ||
                             std::any_of(problems.begin(), problems.end(), [](const DataProblem& p) {
                                 return p.kind != Kind::Note;
                             }));
}

namespace {
LanguageLoadResult lastLanguage;
} // namespace

const LanguageLoadResult& LoadedLanguage() {
    return lastLanguage;
}

// The library read on its own thread into a library of its own.
struct UserDataLoading::Library {
    MacroLibrary read;
    FileCheck check;
    std::future<bool> clean;
};

UserDataLoading::UserDataLoading() : library_(std::make_unique<Library>()) {
    // What earlier saves of this process still write is read back, not what was there before.
    SettingsSaves().Wait();
    UserMacroLibrarySaves().Wait();
    // Created only now: a command refused before it loads anything leaves no trace.
    created_ = CreateDataFolder(DataFolder);
    ReleaseHeldFiles();
    ForgetFileProblems();
    // Saves that a killed process left half-way; the files they were meant for are intact.
    RemoveStaleTempFiles(ConfigFolder());
    Library& library = *library_;
    const auto read = [&library] { return LoadUserMacroLibrary(library.read, &library.check); };
    try {
        library.clean = std::async(std::launch::async, read);
    } catch (const std::system_error&) {
        library.clean = std::async(std::launch::deferred, read); // no thread: read in Finish()
    }
    // Language first: default profile and key names written below are its texts.
    load_.language = LoadLanguage();
    lastLanguage = load_.language;
    load_.languageRead = load_.language.result == LanguageFileResult::Complete ||
                         load_.language.result == LanguageFileResult::StoppedEarly;
    load_.configRead = LoadConfig(&config_);
    BuildDpiStepTable();
}

UserDataLoading::~UserDataLoading() {
    if (library_->clean.valid())
        library_->clean.wait(); // it writes into the library this object owns
}

UserDataLoad UserDataLoading::Finish() {
    UserDataLoad load = std::move(load_);
    load.macrosClean = library_->clean.get();
    UserMacroLibrary().Swap(library_->read);
    for (ProfileSettings& profile : Profiles) {
        RefreshMacroCopies(profile.keys, UserMacroLibrary());
    }

    load.anythingRead = load.configRead;
    if (DataProblem folder = FolderProblemOf(created_); !folder.path.empty()) {
        // Every file in it fails the same way: the folder says it once.
        load.problems.push_back(std::move(folder));
        ForgetFileProblems();
        return load;
    }
    load.fileProblems = NotedFileProblems();
    AddConfigProblems(load, config_);
    AddProfileProblems(load, config_);
    AddMacroProblems(load, library_->check);
    AddHeldFiles(load, config_);
    return load;
}

UserDataLoad LoadUserData() {
    return UserDataLoading().Finish();
}

} // namespace ferrox
