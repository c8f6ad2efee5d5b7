// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// ferroxctl beside a running window on the same data folder: the window carries the command
// out (its view, its session with the mouse, its save), and ferroxctl prints its answer. A
// command the window does not take, or no window listening, runs here as before.

#include "cli/cli_context.h"
#include "cli/remote_request.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace ferrox {

// A full apply with every macro takes about ten seconds of pauses on the wire.
inline constexpr std::chrono::milliseconds kWindowAnswerLimit{30000};

// Whether the window carries out this command at all (devices, autostart and virtual run here).
bool WindowTakes(const std::string& command);

// Whether the command only reads (the window then answers it even while a dialog is open).
bool OnlyReads(const RemoteRequest& request);

// The request for command as given: file arguments made absolute against folder.
RemoteRequest MakeRemoteRequest(const CliContext& context, const std::string& command,
                                const std::filesystem::path& folder);

// The exit status when a window on DataFolder carried the command out or answered it;
// nullopt when none listens (the command then runs here). DataFolder must be set.
std::optional<int> RunInWindow(CliContext& context, const std::string& command,
                               std::chrono::milliseconds limit = kWindowAnswerLimit);

} // namespace ferrox
