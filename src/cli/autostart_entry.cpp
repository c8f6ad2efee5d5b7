// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/autostart_entry.h"

#include "base/app_globals.h"
#include "base/file_replace.h"
#include "base/regular_file.h"

#include <cstring>
#include <sstream>
#include <system_error>

#ifndef FERROX_APP_ID
#define FERROX_APP_ID "ferrox"
#endif

namespace ferrox {
namespace fs = std::filesystem;

fs::path AutostartEntryPath() {
    return XdgConfigHome() / "autostart" / (FERROX_APP_ID ".desktop");
}

std::optional<std::string> DesktopExecArgument(const std::string& argument) {
    // Characters that make an argument need quotes, and those escaped inside the quotes.
    constexpr const char* reserved = " \t\"'\\><~|&;$*?#()`";
    constexpr const char* escaped = "\"`$\\";
    bool quote = argument.empty();
    std::string inner;
    for (char c : argument) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return std::nullopt;
        quote = quote || std::strchr(reserved, c);
        if (std::strchr(escaped, c))
            inner += '\\';
        inner += c == '%' ? "%%" : std::string(1, c);
    }
    std::string value = quote ? '"' + inner + '"' : inner;
    // The key's value is itself a string: each backslash is written twice once more.
    std::string text;
    for (char c : value)
        text += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return text;
}

std::optional<std::string> AutostartEntryText(const fs::path& program, const fs::path& dataDir) {
    std::optional<std::string> exec = DesktopExecArgument(program.string());
    if (!exec)
        return std::nullopt;
    *exec += " --start-hidden";
    if (!dataDir.empty()) {
        const std::optional<std::string> dir = DesktopExecArgument(dataDir.string());
        if (!dir)
            return std::nullopt;
        *exec += " --data-dir " + *dir;
    }
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Ferrox\n"
           "Comment=Gaming mouse settings, started in the tray at login\n"
           "Icon=" FERROX_APP_ID "\n"
           "Exec=" +
           *exec +
           "\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

bool AutostartEntryActive(const fs::path& file) {
    // A desktop entry is a few hundred bytes.
    constexpr std::uintmax_t kMaxEntryBytes = 64 * 1024;
    FileProblem problem;
    const std::optional<std::string> text = ReadWholeFile(file, kMaxEntryBytes, problem);
    if (!text)
        return false;
    std::istringstream in(*text);
    for (std::string line; std::getline(in, line);)
        if (line == "Hidden=true")
            return false;
    return true;
}

bool WriteAutostartEntry(const fs::path& file, const std::string& text, std::string& error) {
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    if (ec) {
        error = "cannot create " + file.parent_path().string() + ": " + ec.message();
        return false;
    }
    FileProblem problem;
    if (ReplaceFileBytes(file, text, problem))
        return true;
    error = DescribeFileProblem(problem);
    return false;
}

} // namespace ferrox
