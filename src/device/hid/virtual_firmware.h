// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the virtual mouse's command interface talks to: the simulated firmware of one device
// (wired mouse or receiver). The virtual HID backend routes every feature report written to or
// read from a command interface to the firmware of that device, and the firmware sends its own
// input reports through the sink the backend gives it.

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace ferrox {

class VirtualFirmware {
public:
    virtual ~VirtualFirmware() = default;

    // A feature report written to the command interface (33 bytes, report ID first).
    // Returning false makes the write fail as a broken device would.
    virtual bool onSetFeature(std::span<const uint8_t> report) = 0;
    // A feature report read from the command interface; report[0] holds the requested ID.
    virtual bool onGetFeature(std::span<uint8_t> report) = 0;

    // Where the firmware delivers input reports for the event interface. Set by the backend
    // when the device is plugged in, cleared (empty function) when it is unplugged.
    using InputSink = std::function<void(std::vector<uint8_t> report)>;
    virtual void setInputSink(InputSink sink) = 0;
};

} // namespace ferrox
