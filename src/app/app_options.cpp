// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_options.h"

#include <optional>

namespace ferrox {

const char* const kAppUsage =
    "Usage: ferrox [OPTION]...\n"
    "Configures the gaming mouse and its receiver.\n\n"
    "  --simulate[=KIND]      run against the virtual mouse: wired, receiver or both (default)\n"
    "  --simulate-state FILE  keep the virtual mouse's settings in FILE between runs\n"
    "                         (implies --simulate)\n"
    "  --trace FILE           append every report written (>) and read (<) to FILE, as hex\n"
    "  --data-dir DIR         keep configuration and profiles in DIR\n"
    "  --start-hidden         start in the tray (minimised where there is no tray)\n"
    "  --help                 show this help and exit\n"
    "  --version              show the version and exit\n";

namespace {

// "--name=value" or "--name value"; nullopt when the value is missing or empty.
std::optional<std::string> TakeValue(std::span<const std::string> args, size_t& i,
                                     const std::string& name) {
    const std::string& arg = args[i];
    std::string value;
    if (arg.size() > name.size())
        value = arg.substr(name.size() + 1);
    else if (i + 1 < args.size())
        value = args[++i];
    if (value.empty())
        return std::nullopt;
    return value;
}

bool Matches(const std::string& arg, const std::string& name) {
    return arg == name || arg.starts_with(name + "=");
}

std::filesystem::path* PathOption(const std::string& arg, AppOptions& options,
                                  std::string& name) {
    const std::pair<const char*, std::filesystem::path*> paths[] = {
        {"--data-dir", &options.dataDir},
        {"--simulate-state", &options.simulateState},
        {"--trace", &options.trace}};
    for (const auto& [option, target] : paths)
        if (Matches(arg, option)) {
            name = option;
            return target;
        }
    return nullptr;
}

} // namespace

bool ParseAppOptions(std::span<const std::string> args, AppOptions& options, std::string& error) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::string name;
        if (std::filesystem::path* target = PathOption(arg, options, name)) {
            const auto value = TakeValue(args, i, name);
            if (!value) {
                error = name + (name == "--data-dir" ? " needs a path" : " needs a file");
                return false;
            }
            *target = *value;
        } else if (arg == "--simulate") {
            options.simulate = SimulateKind::Both;
        } else if (arg.starts_with("--simulate=")) {
            const auto kind = ParseSimulateKind(std::string_view(arg).substr(11));
            if (!kind) {
                error = "unknown device kind in " + arg + " (use wired, receiver or both)";
                return false;
            }
            options.simulate = *kind;
        } else if (arg == "--start-hidden") {
            options.startHidden = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else {
            error = (arg.starts_with("-") ? "unknown option " : "unexpected argument ") + arg;
            return false;
        }
    }
    if (!options.simulateState.empty() && options.simulate == SimulateKind::None)
        options.simulate = SimulateKind::Both;
    return true;
}

} // namespace ferrox
