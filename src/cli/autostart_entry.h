// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The XDG autostart entry that starts the window program hidden at login:
// $XDG_CONFIG_HOME/autostart/<application id>.desktop.

#include <filesystem>
#include <optional>
#include <string>

namespace ferrox {

// Where the entry lives for this user.
std::filesystem::path AutostartEntryPath();

// program quoted for a desktop entry's Exec key; nullopt for text no entry can hold (a line
// break or another control character).
std::optional<std::string> DesktopExecArgument(const std::string& argument);

// The entry's text: program --start-hidden, plus --data-dir DIR when dataDir is not empty.
// nullopt when a path cannot be written into an entry.
std::optional<std::string> AutostartEntryText(const std::filesystem::path& program,
                                              const std::filesystem::path& dataDir);

// True when the file is there and not switched off with Hidden=true (as some desktops do).
bool AutostartEntryActive(const std::filesystem::path& file);

// Writes text to file through a temporary file beside it, creating the folder; on failure
// false with error saying why, and the old entry (if any) left as it was.
bool WriteAutostartEntry(const std::filesystem::path& file, const std::string& text,
                         std::string& error);

} // namespace ferrox
