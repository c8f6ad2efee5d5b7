#include "app/app_options.h"

namespace ferrox {

const char* const kAppUsage =
    "Usage: ferrox [OPTION]...\n"
    "Configures the gaming mouse and its receiver.\n\n"
    "  --simulate[=KIND]  run against the virtual mouse: wired, receiver or both (default)\n"
    "  --data-dir DIR     keep configuration and profiles in DIR\n"
    "  --start-hidden     start in the tray (minimised where there is no tray)\n"
    "  --help             show this help and exit\n"
    "  --version          show the version and exit\n";

bool ParseAppOptions(std::span<const std::string> args, AppOptions& options, std::string& error) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--simulate") {
            options.simulate = SimulateKind::Both;
        } else if (arg.starts_with("--simulate=")) {
            const auto kind = ParseSimulateKind(std::string_view(arg).substr(11));
            if (!kind) {
                error = "unknown device kind in " + arg + " (use wired, receiver or both)";
                return false;
            }
            options.simulate = *kind;
        } else if (arg == "--data-dir" || arg.starts_with("--data-dir=")) {
            const bool joined = arg.size() > 10;
            if (!joined && i + 1 >= args.size()) {
                error = "--data-dir needs a path";
                return false;
            }
            options.dataDir = joined ? arg.substr(11) : args[++i];
            if (options.dataDir.empty()) {
                error = "--data-dir needs a path";
                return false;
            }
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
    return true;
}

} // namespace ferrox
