// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ferroxctl program itself, run as a user runs it: through the shell, with its output kept.

#include "scratch_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>

namespace ferrox::test {

struct ProgramRun {
    int status;
    std::string out;
    std::string err;
};

// environment goes before the program on the shell's command line: variables, or a command
// such as setpriv that runs it.
inline ProgramRun Ferroxctl(const std::string& arguments, const std::string& environment = "",
                            const std::string& program = FERROX_OUTPUT_DIR "/ferroxctl") {
    const std::filesystem::path dir = Scratch() / "ferroxctl-run";
    std::filesystem::create_directories(dir);
    const std::string command = environment + " '" + program + "' " + arguments + " >" +
                                (dir / "out").string() + " 2>" + (dir / "err").string();
    const int raw = std::system(command.c_str());
    auto slurp = [](const std::filesystem::path& p) {
        std::ifstream in(p);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(dir / "out"), slurp(dir / "err")};
}

// A word for the shell's command line, quoted.
inline std::string Quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

} // namespace ferrox::test
