// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ferroxctl commands by name. A new command is a cmd_<name>.cpp file holding one
// int Cmd<Name>(CliContext&) and one line in command_table.cpp.

#include "cli/cli_context.h"

#include <span>
#include <string>
#include <string_view>

namespace ferrox {

using CommandFunction = int (*)(CliContext&);

struct CliCommand {
    std::string_view name;
    CommandFunction run;
    std::string_view summary; // one line for --help
    // Its command lines for `ferroxctl COMMAND --help`, one a line; a command that keeps them
    // in its own table gives a function instead.
    std::string_view forms;
    std::string (*formsOf)() = nullptr;

    std::string Forms() const { return formsOf ? formsOf() : std::string(forms); }
};

std::span<const CliCommand> CommandTable();
// The settings `set` takes, one command line each ("set rate 125|250|500|1000").
std::string SetForms();
const CliCommand* FindCommand(std::string_view name);

// Exit statuses shared by the commands.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1; // the command ran but could not do its work
inline constexpr int kExitUsage = 2;   // the command line was wrong
inline constexpr int kExitBusy = 3;    // the window has a dialog open; nothing was changed

} // namespace ferrox
