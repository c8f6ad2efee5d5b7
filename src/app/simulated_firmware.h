// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The virtual mouse of --simulate, and the --simulate-state file it keeps its settings in.

#include "device/hid/hid_system.h"

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace ferrox {

class VirtualMouseFirmware;

class SimulatedMice {
public:
    // stateFile empty: the virtual mouse starts from its factory state and keeps nothing.
    explicit SimulatedMice(std::filesystem::path stateFile = {});

    // Makes the firmware of each kind plugged in, from the state file when it exists.
    FirmwareMaker Maker();
    // The firmware made for kind, made now when it has none yet (an end plugged in later).
    std::shared_ptr<VirtualMouseFirmware> FirmwareFor(DeviceKind kind);
    // Why a state file could not be read as one; empty while all is well.
    const std::string& StateFault() const { return stateFault_; }
    // Writes the state the commands went to (the wired mouse's when both are plugged in).
    // Empty when written or when there is nothing to write; otherwise why it was not.
    std::string SaveMouseState() const;

private:
    std::filesystem::path stateFile_;
    std::string stateFault_;
    std::vector<std::pair<DeviceKind, std::shared_ptr<VirtualMouseFirmware>>> firmware_;
};

} // namespace ferrox
