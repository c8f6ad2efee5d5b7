// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The HID backend a program runs on: the real hidraw nodes with their udev hot-plug monitor,
// or the virtual mouse for --simulate.

#include "device/hid/device_kind.h"
#include "device/hid/hid_backend.h"
#include "device/hid/hidraw_monitor.h"
#include "device/hid/virtual_firmware.h"

#include <functional>
#include <memory>

namespace ferrox {

class VirtualHidBackend;

// Makes the simulated firmware of one kind; an empty maker plugs silent devices.
using FirmwareMaker = std::function<std::shared_ptr<VirtualFirmware>(DeviceKind)>;

struct HidSystem {
    std::unique_ptr<HidBackend> backend;
    // Set when simulating: plug and unplug here; its change listener reports the notices.
    VirtualHidBackend* virtualMouse = nullptr;
    // Set for the real devices when udev is reachable; null otherwise.
    std::unique_ptr<HidrawMonitor> monitor;
};

HidSystem MakeHidSystem(SimulateKind simulate, const FirmwareMaker& makeFirmware = {});

} // namespace ferrox
