// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every ferroxctl command gets: the global options as parsed, the words after the command
// name, where to print, and the HID devices (made on first use).

#include "device/hid/device_kind.h"
#include "device/hid/hid_system.h"

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace ferrox {

class CommandHost;

struct CliContext {
    CliContext(std::ostream& out, std::ostream& err) : out(out), err(err) {}

    // --data-dir DIR; empty when not given (FERROX_DATA_DIR or the default folder then).
    std::filesystem::path dataDir;
    // --simulate[=wired|receiver|both]
    SimulateKind simulate = SimulateKind::None;
    // --simulate-state FILE: where the virtual mouse keeps its state between runs.
    std::filesystem::path simulateState;
    bool json = false;  // --json: machine-readable output
    bool trace = false; // --trace: show the frames exchanged with the device
    bool verbose = false; // --verbose: the log on standard error
    // The command's own words, options included.
    std::vector<std::string> args;
    // Set when the running window carries the command out (cli/command_host.h).
    CommandHost* host = nullptr;

    std::ostream& out;
    std::ostream& err;

    // The firmware the virtual mouse runs for --simulate; empty plugs silent devices. Set it
    // before the first hid() call.
    FirmwareMaker makeFirmware;

    // The real hidraw devices, or the virtual mouse with --simulate.
    HidSystem& hid() {
        if (!hid_)
            hid_ = MakeHidSystem(simulate, makeFirmware);
        return *hid_;
    }

    // Runs the commands on devices made elsewhere (tests).
    void useHid(HidSystem hid) { hid_ = std::move(hid); }

private:
    std::optional<HidSystem> hid_;
};

} // namespace ferrox
