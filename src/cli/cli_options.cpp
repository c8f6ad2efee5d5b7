// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_options.h"

#include <optional>
#include <utility>

namespace ferrox {
namespace {

// "--name=value" or "--name value"; nullopt when the value is missing.
std::optional<std::string> TakeValue(std::span<const std::string> args, size_t& i,
                                     const std::string& name) {
    const std::string& arg = args[i];
    if (arg.size() > name.size() && arg[name.size()] == '=')
        return arg.substr(name.size() + 1);
    if (i + 1 >= args.size())
        return std::nullopt;
    return args[++i];
}

bool Matches(const std::string& arg, const std::string& name) {
    return arg == name || arg.starts_with(name + "=");
}

enum class Taken { No, Yes, Failed };

Taken TakeGlobal(std::span<const std::string> args, size_t& i, CliContext& c, std::string& error) {
    const std::string& arg = args[i];
    for (const auto& [name, flag] : {std::pair{"--json", &c.json}, std::pair{"--trace", &c.trace},
                                     std::pair{"--verbose", &c.verbose}}) {
        if (arg == name) {
            *flag = true;
            return Taken::Yes;
        }
    }
    if (arg == "--simulate") {
        c.simulate = SimulateKind::Both;
        return Taken::Yes;
    }
    if (arg.starts_with("--simulate=")) {
        const auto kind = ParseSimulateKind(std::string_view(arg).substr(11));
        if (!kind) {
            error = "unknown device kind in " + arg + " (use wired, receiver or both)";
            return Taken::Failed;
        }
        c.simulate = *kind;
        return Taken::Yes;
    }
    for (const char* name : {"--data-dir", "--simulate-state"}) {
        if (!Matches(arg, name))
            continue;
        const auto value = TakeValue(args, i, name);
        if (!value || value->empty()) {
            error = std::string(name) + " needs a path";
            return Taken::Failed;
        }
        (arg.starts_with("--data-dir") ? c.dataDir : c.simulateState) = *value;
        return Taken::Yes;
    }
    return Taken::No;
}

} // namespace

CliParse ParseCommandLine(std::span<const std::string> args, CliContext& context,
                          std::string& command, std::string& error) {
    bool help = false;
    bool version = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        switch (TakeGlobal(args, i, context, error)) {
        case Taken::Yes:
            continue;
        case Taken::Failed:
            return CliParse::Error;
        case Taken::No:
            break;
        }
        if (arg == "--help" || arg == "-h") {
            help = true;
        } else if (arg == "--version") {
            version = true;
        } else if (!command.empty()) {
            context.args.push_back(arg); // the command judges its own words
        } else if (arg.starts_with("-")) {
            error = "unknown option " + arg;
            return CliParse::Error;
        } else {
            command = arg;
        }
    }
    if (help)
        return CliParse::Help;
    if (version)
        return CliParse::Version;
    return CliParse::Run;
}

} // namespace ferrox
