#pragma once
// Splits a ferroxctl command line into the global options, the command name and the
// command's own words. Global options may stand before or after the command name.

#include "cli/cli_context.h"

#include <span>
#include <string>

namespace ferrox {

enum class CliParse { Run, Help, Version, Error };

// args excludes the program name. On Error, error holds one line saying what is wrong.
CliParse ParseCommandLine(std::span<const std::string> args, CliContext& context,
                          std::string& command, std::string& error);

} // namespace ferrox
