// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/hid/hid_system.h"

#include "device/hid/hidraw_backend.h"
#include "device/hid/virtual_hid_backend.h"

namespace ferrox {

HidSystem MakeHidSystem(SimulateKind simulate, const FirmwareMaker& makeFirmware) {
    HidSystem system;
    if (simulate == SimulateKind::None) {
        system.backend = std::make_unique<HidrawBackend>();
        system.monitor = HidrawMonitor::create();
        return system;
    }
    auto mouse = std::make_unique<VirtualHidBackend>();
    for (DeviceKind kind : kAllDeviceKinds) {
        const bool wanted = simulate == SimulateKind::Both ||
                            (simulate == SimulateKind::Wired) == (kind == DeviceKind::Wired);
        if (wanted)
            mouse->plug(kind, makeFirmware ? makeFirmware(kind) : nullptr);
    }
    system.virtualMouse = mouse.get();
    system.backend = std::move(mouse);
    return system;
}

} // namespace ferrox
