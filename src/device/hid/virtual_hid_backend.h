// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The virtual mouse as the HID layer sees it: per kind of device a composite device with a
// command interface (33-byte feature reports, routed to a VirtualFirmware), an event interface
// (33-byte input reports, fed by the firmware's input sink) and unrelated mouse and consumer
// interfaces. Devices are plugged and unplugged at will, from any thread.

#include "device/hid/device_kind.h"
#include "device/hid/hid_backend.h"
#include "device/hid/virtual_firmware.h"

#include <functional>
#include <memory>
#include <mutex>

namespace ferrox {

enum class VirtualLayout {
    Standard,
    WrongLengths,     // command and event collections with reports other than 33 bytes
    SharedCollection, // one collection with 33-byte input and feature reports
};

struct VirtualPlugOptions {
    VirtualLayout layout = VirtualLayout::Standard;
    bool accessDenied = false; // every interface enumerates but cannot be opened
};

struct VirtualDevice;

class VirtualHidBackend : public HidBackend {
public:
    VirtualHidBackend();
    ~VirtualHidBackend() override;

    // A null firmware plugs a SilentFirmware. Plugging a kind that is present replugs it.
    void plug(DeviceKind kind, std::shared_ptr<VirtualFirmware> firmware = nullptr,
              VirtualPlugOptions options = {});
    void unplug(DeviceKind kind);
    bool isPlugged(DeviceKind kind) const;
    std::shared_ptr<VirtualFirmware> firmware(DeviceKind kind) const;

    // A device of another vendor (a keyboard), for arrival notices that are not ours.
    void plugUnrelated();

    // Called after every plug and unplug, on the thread that made it, outside any lock.
    void setChangeListener(std::function<void(HidChange)> listener);

    std::vector<HidInterfaceInfo> enumerate() override;
    std::unique_ptr<HidHandle> open(const std::wstring& path) override;

private:
    void add(std::shared_ptr<VirtualDevice> device);
    bool remove(const std::wstring& name);
    void notify(HidChange change);

    mutable std::mutex mutex_;
    std::vector<std::shared_ptr<VirtualDevice>> devices_; // enumeration order = plug order
    std::function<void(HidChange)> listener_;
};

} // namespace ferrox
