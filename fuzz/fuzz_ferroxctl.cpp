// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ferroxctl's command line: the input is the words after the program name, separated by NUL
// bytes. Every run uses the virtual mouse (its state file in the scratch folder) and a fresh
// scratch data folder; words cannot name a path outside it.

#include "cli/cli_options.h"
#include "cli/cmd_device_run.h"
#include "cli/command_table.h"
#include "fuzz/fuzz_support.h"

#include <cstdlib>
#include <sstream>

using namespace ferrox;
using namespace ferrox::fuzz;

namespace {

// Words are file names at most: a "/" or a ".." would lead out of the scratch folder.
bool Confined(const std::string& word) {
    return word.find('/') == std::string::npos && word.find("..") == std::string::npos &&
           !word.starts_with("~") && word != ".";
}

std::vector<std::string> Words(const uint8_t* data, std::size_t size) {
    std::vector<std::string> words(1);
    for (std::size_t i = 0; i < size && words.size() <= 16; ++i) {
        if (data[i] == 0)
            words.emplace_back();
        else
            words.back() += static_cast<char>(data[i]);
    }
    return words;
}

const fs::path& RuntimeFolder() {
    static const fs::path folder = ScratchFolder().string() + "-runtime";
    return folder;
}

} // namespace

// The instance lock and socket of this run, so no window program of the user's is seen.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    DeviceCommandPause = [](std::chrono::milliseconds) {};
    fs::create_directories(RuntimeFolder());
    fs::permissions(RuntimeFolder(), fs::perms::owner_all);
    setenv("XDG_RUNTIME_DIR", RuntimeFolder().c_str(), 1);
    std::atexit([] { std::error_code ec; fs::remove_all(RuntimeFolder(), ec); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::vector<std::string> words = Words(data, size);
    for (const std::string& word : words) {
        if (!Confined(word))
            return -1;
    }
    ResetScratch();
    std::ostringstream out, err;
    CliContext context(out, err);
    std::string command, error;
    if (ParseCommandLine(words, context, command, error) != CliParse::Run || command.empty())
        return 0;
    const CliCommand* found = FindCommand(command);
    if (!found)
        return 0;
    if (context.simulate == SimulateKind::None)
        context.simulate = SimulateKind::Both;
    context.dataDir = ScratchFolder();
    context.simulateState = ScratchFolder() / "mouse.state";
    context.makeFirmware = [](DeviceKind) { return std::make_shared<VirtualMouseFirmware>(); };
    const int status = found->run(context);
    Check(status == kExitOk || status == kExitFailure || status == kExitUsage,
          "a command ends with 0, 1 or 2");
    return 0;
}
