// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Carries out the actions on the virtual mouse of --simulate: presses its DPI button, switches
// its report rate, sets or clears its request to show the window, plugs and unplugs its cable
// and receiver, sets what it says of its battery.
// One mouse stands behind both ends: its buttons act through the cable while that is plugged
// in (as the window's commands do), its battery is the same whichever end reports it.

#include "device/hid/device_kind.h"
#include "device/virtual/virtual_mouse_action.h"

#include <functional>
#include <memory>

namespace ferrox {

class VirtualHidBackend;
class VirtualMouseFirmware;

class VirtualMouseDriver {
public:
    // The firmware behind each end, made on first use and kept for replugging.
    using FirmwareFor = std::function<std::shared_ptr<VirtualMouseFirmware>(DeviceKind)>;

    VirtualMouseDriver(VirtualHidBackend& backend, FirmwareFor firmwareFor);

    // False when the action cannot be done now (the DPI button with both ends unplugged).
    bool Run(const VirtualAction& action);
    // Runs after every action, done or not (the panel shows the mouse as it now is).
    void SetListener(std::function<void()> listener) { listener_ = std::move(listener); }

    bool Plugged(DeviceKind kind) const;
    int RateHz() const;
    int Battery() const;
    int Charge() const; // 0 on battery, 1 charging, 2 full
    // Whether the mouse asks for the window (its show indication).
    bool ShowRequested() const;

private:
    bool perform(const VirtualAction& action);
    // The end the mouse's own controls act through; null with both unplugged.
    std::shared_ptr<VirtualMouseFirmware> activeEnd() const;
    // The plugged end, or the one last made: what the mouse is.
    std::shared_ptr<VirtualMouseFirmware> anyEnd() const;
    void setBattery(int level, int charge);
    void forEachEnd(const std::function<void(VirtualMouseFirmware&)>& change);

    VirtualHidBackend& backend_;
    FirmwareFor firmwareFor_;
    std::function<void()> listener_;
    std::shared_ptr<VirtualMouseFirmware> lastEnd_; // set by a plug or an unplug
};

} // namespace ferrox
