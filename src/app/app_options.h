// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ferrox command line: --simulate[=KIND], --simulate-state FILE, --trace FILE,
// --data-dir DIR, --start-hidden, --help, --version.

#include "device/hid/device_kind.h"

#include <filesystem>
#include <span>
#include <string>

namespace ferrox {

struct AppOptions {
    SimulateKind simulate = SimulateKind::None;
    // The virtual mouse keeps its settings here between runs; implies --simulate.
    std::filesystem::path simulateState;
    // Every report written and read is appended here.
    std::filesystem::path trace;
    std::filesystem::path dataDir; // empty: FERROX_DATA_DIR or the default folder
    bool startHidden = false;      // started at login: to the tray, or minimised without one
    bool help = false;
    bool version = false;
};

// args excludes the program name. False with one line in error for anything not understood.
bool ParseAppOptions(std::span<const std::string> args, AppOptions& options, std::string& error);

extern const char* const kAppUsage;

} // namespace ferrox
