// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ferroxctl autostart [on|off|show]: start the window program hidden at login, or not.

#include "base/app_globals.h"
#include "cli/autostart_entry.h"
#include "cli/command_table.h"
#include "cli/json_text.h"

#include <ostream>
#include <system_error>

namespace ferrox {
namespace {

namespace fs = std::filesystem;

// The window program beside this one (a build tree, a tree unpacked anywhere); else the one
// on the PATH.
fs::path WindowProgram() {
    const fs::path beside = ExecutableFolder() / "ferrox";
    std::error_code ec;
    return !ExecutableFolder().empty() && fs::is_regular_file(beside, ec) ? beside
                                                                          : fs::path("ferrox");
}

void PrintState(CliContext& context, const fs::path& file) {
    const bool on = AutostartEntryActive(file);
    if (context.json)
        context.out << "{" << kJsonFormatMember << ", \"enabled\": " << (on ? "true" : "false")
                    << ", \"file\": " << JsonString(file.string()) << "}\n";
    else
        context.out << "autostart is " << (on ? "on: " : "off (") << file.string()
                    << (on ? "\n" : ")\n");
}

int SwitchOn(CliContext& context, const fs::path& file) {
    const std::optional<std::string> text = AutostartEntryText(WindowProgram(), context.dataDir);
    if (!text) {
        context.err << "ferroxctl autostart: the program's or the data folder's path holds a "
                       "line break; a desktop entry cannot start it\n";
        return kExitFailure;
    }
    std::string error;
    if (!WriteAutostartEntry(file, *text, error)) {
        context.err << "ferroxctl autostart: " << error << "\n";
        return kExitFailure;
    }
    PrintState(context, file);
    return kExitOk;
}

int SwitchOff(CliContext& context, const fs::path& file) {
    std::error_code ec;
    fs::remove(file, ec);
    if (ec) {
        context.err << "ferroxctl autostart: cannot remove " << file.string() << ": "
                    << ec.message() << "\n";
        return kExitFailure;
    }
    PrintState(context, file);
    return kExitOk;
}

} // namespace

int CmdAutostart(CliContext& context) {
    const std::vector<std::string>& a = context.args;
    const fs::path file = AutostartEntryPath();
    if (a.empty() || (a.size() == 1 && a[0] == "show")) {
        PrintState(context, file);
        return kExitOk;
    }
    if (a.size() == 1 && a[0] == "on")
        return SwitchOn(context, file);
    if (a.size() == 1 && a[0] == "off")
        return SwitchOff(context, file);
    context.err << "ferroxctl autostart: expected on, off or show\n";
    return kExitUsage;
}

} // namespace ferrox
