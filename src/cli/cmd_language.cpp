// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ferroxctl language [CODE]: shows which language the window reads its texts in, or chooses
// another by writing config/LanSetting.ini. The window only reads that file and picks the
// choice up at its next start.

#include "base/text_file.h"
#include "cli/command_table.h"
#include "cli/data_load.h"
#include "cli/json_text.h"
#include "cli/window_guard.h"
#include "lang/language_loader.h"
#include "lang/language_setting.h"
#include "lang/language_table.h"
#include "startup/startup_load.h"

#include <cctype>
#include <ostream>

namespace ferrox {
namespace {

std::string KnownCodes() {
    std::string codes;
    for (const LanguageChoice& choice : ShippedLanguages()) {
        codes += (codes.empty() ? "" : ", ") + ToUtf8(std::wstring(choice.code));
    }
    return codes;
}

std::string SourceText(const LanguageLoadResult& load) {
    return load.source.empty() ? std::string() : load.source.string();
}

void PrintSelection(std::ostream& out, const LanguageLoadResult& load) {
    out << "code      " << (load.code.empty() ? "(none)" : ToUtf8(load.code))
        << (LanguageChosen(LanguageSettingPath()) ? "" : " (from the locale; none chosen yet)")
        << "\n"
        << "file      " << ToUtf8(load.fileName) << "\n";
    if (load.source.empty()) {
        out << "read from (no usable language file in the data folder or beside the program: "
               "labels are "
               "blank)\n";
    } else {
        out << "read from " << SourceText(load)
            << (load.result == LanguageFileResult::StoppedEarly
                    ? " (up to a malformed line; the texts after it are blank)\n"
                    : "\n");
    }
    out << "language  " << ToUtf8(LanguageTable[0]) << "\n"
        << "available " << KnownCodes() << "\n";
}

void PrintSelectionJson(std::ostream& out, const LanguageLoadResult& load) {
    out << "{\n  " << kJsonFormatMember << ",\n  \"code\": " << JsonString(ToUtf8(load.code))
        << ",\n  \"file\": " << JsonString(ToUtf8(load.fileName))
        << ",\n  \"source\": " << JsonString(SourceText(load))
        << ",\n  \"complete\": " << (load.result == LanguageFileResult::Complete ? "true" : "false")
        << ",\n  \"language\": " << JsonString(ToUtf8(LanguageTable[0])) << "\n}\n";
}

int ShowLanguage(CliContext& context) {
    UserDataLoad data;
    const int status = LoadToRead(context, "language", &data);
    if (context.json) {
        PrintSelectionJson(context.out, data.language);
    } else {
        PrintSelection(context.out, data.language);
    }
    return status;
}

int ChooseLanguage(CliContext& context, std::string code) {
    // Codes are matched exactly by the window, so take "ru" as meant and store "RU".
    for (char& c : code) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    const LanguageChoice* choice = FindShippedLanguage(FromUtf8(code));
    if (!choice) {
        context.err << "ferroxctl language: unknown language code " << context.args[0]
                    << " (known: " << KnownCodes() << ")\n";
        return kExitUsage;
    }
    std::unique_ptr<InstanceLock> lock;
    if (!ClaimDataFolder(context, "language", GuardUse::Files, lock))
        return kExitFailure;
    // Like every command, on top of what the window loads at start-up. Only the language
    // choice is written, so what else could not be read is told but stops nothing.
    LoadToRead(context, "language");
    const std::filesystem::path path = LanguageSettingPath();
    if (!WriteLanguageSetting(path, choice->code)) {
        context.err << "ferroxctl language: cannot write " << path.string() << "\n";
        return kExitFailure;
    }
    context.out << "Language set to " << code << " (" << ToUtf8(std::wstring(choice->name))
                << "); the window uses it from its next start.\n";
    return kExitOk;
}

} // namespace

int CmdLanguage(CliContext& context) {
    if (context.args.empty()) {
        return ShowLanguage(context);
    }
    if (context.args.size() > 1 || context.args[0].starts_with("-")) {
        context.err << "ferroxctl language: expected at most one language code (try ferroxctl "
                       "--help)\n";
        return kExitUsage;
    }
    return ChooseLanguage(context, context.args[0]);
}

} // namespace ferrox
