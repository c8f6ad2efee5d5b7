// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Splits a ferroxctl command line into the global options, the command name and the
// command's own words. Global options, --help and --version among them, may stand before or
// after the command name.

#include "cli/cli_context.h"

#include <span>
#include <string>

namespace ferrox {

enum class CliParse { Run, Help, Version, Error };

// args excludes the program name. On Error, error holds one line saying what is wrong. Help
// comes with the command name when one was given: that command's help is asked for.
CliParse ParseCommandLine(std::span<const std::string> args, CliContext& context,
                          std::string& command, std::string& error);

} // namespace ferrox
