#pragma once
// The ferroxctl commands by name. A new command is a cmd_<name>.cpp file holding one
// int Cmd<Name>(CliContext&) and one line in command_table.cpp.

#include "cli/cli_context.h"

#include <span>
#include <string_view>

namespace ferrox {

using CommandFunction = int (*)(CliContext&);

struct CliCommand {
    std::string_view name;
    CommandFunction run;
    std::string_view summary; // one line for --help
};

std::span<const CliCommand> CommandTable();
const CliCommand* FindCommand(std::string_view name);

// Exit statuses shared by the commands.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1; // the command ran but could not do its work
inline constexpr int kExitUsage = 2;   // the command line was wrong

} // namespace ferrox
