// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finds the wired mouse and the receiver among the HID interfaces, adopts their command and
// event interfaces, keeps the command handles open and decides what a device notice means.
// Owned and driven by the main window, on its thread; what the window does with the result
// (status queries, hiding, quitting) stays with the window.

#include "device/hid/device_link.h"

#include <functional>
#include <vector>

namespace ferrox {

// Interfaces beyond this member index are never looked at.
inline constexpr int kMaxMemberIndex = 99;

// Work that belongs to the reader threads, the status timer and the apply timer. Empty
// functions are skipped, so ferroxctl and tests run scans without them.
struct DiscoveryHooks {
    // Starts the reader thread of a kind; it refuses to run twice while readerActive is set.
    std::function<void(DeviceKind)> startReader;
    // (Re)starts the 1 s status timer (110).
    std::function<void()> startStatusTimer;
    // Marks the key table, main and power settings as to be sent without a progress notice and
    // starts the 20 ms apply timer (30), so settings changed while unplugged go out now.
    std::function<void()> scheduleConnectApply;
};

struct DeviceChangeOutcome {
    bool rescanned = false;      // the status poll counter goes to 19 and the view is refreshed
    bool queryStatusNow = false; // a device came while queryOnConnect was set (now cleared)
    bool lastDeviceGone = false; // hide the window, close the dialogs, end the program
};

class DeviceDiscovery {
public:
    explicit DeviceDiscovery(HidBackend& backend, DiscoveryHooks hooks = {});
    ~DeviceDiscovery();

    DeviceLink& link() { return link_; }
    const DeviceLink& link() const { return link_; }
    HidBackend& backend() { return backend_; }

    // Start-up state: no reader flags, no handles, queryOnConnect set. Listening for notices
    // is the owner's part (a HidrawMonitor or the virtual mouse's listener).
    void RegisterForDeviceNotifications();

    // Examines interface number index of an enumeration and updates the link.
    void ProbeInterface(const std::vector<HidInterfaceInfo>& interfaces, int index);
    void ScanDevices();
    void OpenCommandHandle(DeviceKind kind);
    DeviceChangeOutcome OnDeviceChange(HidChange change);

    // True once when a device is present and queryOnConnect was set; clears queryOnConnect.
    bool takeQueryOnConnect();
    void closeCommandHandles();

    // Interfaces of our vendor and products that the last scan could not open (no access).
    const std::vector<HidInterfaceInfo>& unopenable() const { return unopenable_; }

private:
    void connectKind(DeviceKind kind);

    HidBackend& backend_;
    DiscoveryHooks hooks_;
    DeviceLink link_;
    std::vector<HidInterfaceInfo> unopenable_;
};

} // namespace ferrox
