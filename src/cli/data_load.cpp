// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/data_load.h"

#include "cli/command_table.h"

#include <ostream>

namespace ferrox {

namespace {

UserDataLoad LoadAndTell(CliContext& context, const std::string& command) {
    UserDataLoad load = LoadUserData();
    for (const DataProblem& problem : load.problems)
        context.err << "ferroxctl " << command << ": "
                    << (problem.kind == DataProblem::Kind::Unread ? "" : "warning: ")
                    << problem.path.string() << " " << problem.text << "\n";
    return load;
}

} // namespace

int LoadToRead(CliContext& context, const std::string& command, UserDataLoad* out) {
    // The window's settings are loaded and live; loading again would drop its unsaved changes.
    if (context.host) {
        if (out)
            out->language = LoadedLanguage();
        return kExitOk;
    }
    UserDataLoad load = LoadAndTell(context, command);
    const int status = load.NothingRead() ? kExitFailure : kExitOk;
    if (out)
        *out = std::move(load);
    return status;
}

bool LoadToChange(CliContext& context, const std::string& command, UserDataLoad* out) {
    if (context.host)
        return LoadToRead(context, command, out) == kExitOk;
    UserDataLoad load = LoadAndTell(context, command);
    const bool unread = load.SomethingUnread();
    if (unread)
        context.err << "ferroxctl " << command
                    << ": nothing was changed, so that what could not be read is not lost\n";
    if (out)
        *out = std::move(load);
    return !unread;
}

} // namespace ferrox
