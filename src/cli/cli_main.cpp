// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ferroxctl: the mouse's settings from the command line.

#include "base/app_globals.h"
#include "base/damaged_file.h"
#include "base/data_folder_move.h"
#include "base/file_problems.h"
#include "base/stream_log_sink.h"
#include "cli/cli_options.h"
#include "cli/command_table.h"
#include "cli/remote_forward.h"
#include "device/virtual/virtual_mouse_firmware.h"

#include <cctype>
#include <iostream>
#include <sstream>

namespace ferrox {
namespace {

void PrintUsage(std::ostream& out) {
    out << "Usage: ferroxctl [OPTION]... COMMAND [ARG]...\n"
           "Reads and changes the settings of the mouse and its receiver.\n\n"
           "Options:\n"
           "  --simulate[=KIND]      use the virtual mouse: wired, receiver or both (default)\n"
           "  --simulate-state FILE  keep the virtual mouse's settings in FILE between runs\n"
           "  --data-dir DIR         keep configuration and profiles in DIR\n"
           "                         (default $FERROX_DATA_DIR, else\n"
           "                         $XDG_CONFIG_HOME/ferrox or ~/.config/ferrox)\n"
           "  --json                 print machine-readable output\n"
           "  --trace                show the reports exchanged with the device\n"
           "  --verbose              log device access and failed file operations, with\n"
           "                         the system's reasons, to standard error\n"
           "  --help                 show this help, or after a command its forms, and exit\n"
           "  --version              show the version and exit\n\n"
           "Commands:\n";
    for (const CliCommand& c : CommandTable())
        out << "  " << c.name << std::string(c.name.size() < 20 ? 20 - c.name.size() : 1, ' ')
            << c.summary << "\n";
}

void PrintCommandHelp(std::ostream& out, const CliCommand& command) {
    std::istringstream forms(command.Forms());
    const char* lead = "Usage: ";
    for (std::string form; std::getline(forms, form); lead = "   or: ")
        out << lead << "ferroxctl [OPTION]... " << form << "\n";
    std::string summary(command.summary);
    summary[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(summary[0])));
    out << summary << ".\n\n"
        << "The options are those of ferroxctl --help; man ferroxctl describes the command in "
           "full.\n";
}

void TellDataFolderMove(const DataFolderMove& move) {
    const std::string said = DescribeDataFolderMove(move);
    if (!said.empty())
        std::cerr << "ferroxctl: "
                  << (move.result == DataFolderMove::Result::Failed ? "warning: " : "notice: ")
                  << said << "\n";
}

int Run(int argc, char** argv) {
    CliContext context(std::cout, std::cerr);
    // The virtual mouse runs the full simulated firmware; commands that keep its state in a
    // --simulate-state file replace this before they first use context.hid().
    context.makeFirmware = [](DeviceKind) { return std::make_shared<VirtualMouseFirmware>(); };
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    std::string command;
    std::string error;
    const CliParse parsed = ParseCommandLine(args, context, command, error);
    if (parsed == CliParse::Error) {
        std::cerr << "ferroxctl: " << error << " (try ferroxctl --help)\n";
        return kExitUsage;
    }
    if (parsed == CliParse::Version) {
        std::cout << "ferroxctl " FERROX_VERSION "\n";
        return kExitOk;
    }
    if (command.empty() && parsed == CliParse::Help) {
        PrintUsage(std::cout);
        return kExitOk;
    }
    // Static: a device handle closed while the program ends may still log.
    static StreamLogSink verboseLog(std::cerr, "ferroxctl");
    if (context.verbose)
        SetLogSink(&verboseLog);
    if (command.empty()) {
        std::cerr << "ferroxctl: no command given (try ferroxctl --help)\n";
        return kExitUsage;
    }
    const CliCommand* found = FindCommand(command);
    if (!found) {
        std::cerr << "ferroxctl: unknown command " << command << " (try ferroxctl --help)\n";
        return kExitUsage;
    }
    if (parsed == CliParse::Help) {
        PrintCommandHelp(std::cout, *found);
        return kExitOk;
    }
    ProgramFolder = ChooseProgramFolder(ExecutableFolder(), FERROX_SHARE_DIR);
    TellDataFolderMove(SettleDataFolderAside(context.dataDir, std::chrono::seconds(2)));
    DataFolder = ChooseDataFolder(context.dataDir);
    if (const std::optional<int> done = RunInWindow(context, command))
        return *done;
    const int status = found->run(context);
    // Held files were told of with the load that held them, with the reason.
    for (const FileProblem& problem : NotedFileProblems())
        if (!IsHeldFile(problem.path))
            std::cerr << "ferroxctl: warning: " << DescribeFileProblem(problem) << "\n";
    return status;
}

} // namespace
} // namespace ferrox

int main(int argc, char** argv) {
    return ferrox::Run(argc, argv);
}
