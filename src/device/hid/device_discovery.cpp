// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/hid/device_discovery.h"

namespace ferrox {

DeviceDiscovery::DeviceDiscovery(HidBackend& backend, DiscoveryHooks hooks)
    : backend_(backend), hooks_(std::move(hooks)) {}

DeviceDiscovery::~DeviceDiscovery() {
    closeCommandHandles();
}

void DeviceDiscovery::RegisterForDeviceNotifications() {
    for (DeviceKind kind : kAllDeviceKinds) {
        link_.of(kind).readerActive = false;
        link_.of(kind).commandHandle.reset();
    }
    link_.queryOnConnect = true;
}

void DeviceDiscovery::ProbeInterface(const std::vector<HidInterfaceInfo>& interfaces, int index) {
    if (index < 0 || size_t(index) >= interfaces.size())
        return;
    const HidInterfaceInfo& info = interfaces[size_t(index)];
    const auto kind = DeviceKindOfProduct(info.productId);
    if (info.vendorId != kFerroxVendorId || !kind)
        return;
    const bool isEvent = info.inputReportLength == kDeviceReportLength;
    const bool isCommand = !isEvent && info.featureReportLength == kDeviceReportLength;
    if (!isEvent && !isCommand)
        return;
    // Only an interface that opens for reading and writing counts; the probe keeps no handle.
    if (!backend_.open(info.path)) {
        unopenable_.push_back(info);
        return;
    }
    DeviceLinkKind& k = link_.of(*kind);
    if (isEvent) {
        if (k.eventPath.empty()) {
            k.eventIndex = index;
            k.eventPath.set(info.path);
        }
    } else if (k.commandPath.empty() || k.commandPath == info.path) {
        // The same interface found again may have moved in the numbering; keep its index
        // current so a later OpenCommandHandle does not open another interface.
        k.present = true;
        k.commandIndex = index;
        k.commandPath = info.path;
    }
}

void DeviceDiscovery::ScanDevices() {
    link_.anyPresent = false;
    link_.wired.present = false;
    link_.receiver.present = false;
    unopenable_.clear();
    const std::vector<HidInterfaceInfo> interfaces = backend_.enumerate();
    for (int index = 0; index <= kMaxMemberIndex; ++index)
        ProbeInterface(interfaces, index);
    link_.anyPresent = link_.wired.present || link_.receiver.present;
    connectKind(DeviceKind::Wired);
    connectKind(DeviceKind::Receiver);
    if (link_.anyPresent && hooks_.startStatusTimer)
        hooks_.startStatusTimer();
    if (hooks_.scheduleConnectApply)
        hooks_.scheduleConnectApply();
}

void DeviceDiscovery::connectKind(DeviceKind kind) {
    DeviceLinkKind& k = link_.of(kind);
    if (!k.present) {
        k.commandHandle.reset();
        k.commandPath.clear();
        return;
    }
    if (hooks_.startReader)
        hooks_.startReader(kind);
    if (!k.commandHandle)
        OpenCommandHandle(kind);
}

void DeviceDiscovery::OpenCommandHandle(DeviceKind kind) {
    DeviceLinkKind& k = link_.of(kind);
    const std::vector<HidInterfaceInfo> interfaces = backend_.enumerate();
    if (k.commandIndex < 0 || size_t(k.commandIndex) >= interfaces.size())
        return;
    k.commandHandle.reset();
    auto handle = backend_.open(interfaces[size_t(k.commandIndex)].path);
    // The numbering may have changed since the scan: never keep another device's interface.
    if (handle && handle->info().vendorId == kFerroxVendorId &&
        handle->info().productId == ProductIdOf(kind))
        k.commandHandle = std::move(handle);
}

DeviceChangeOutcome DeviceDiscovery::OnDeviceChange(HidChange change) {
    DeviceChangeOutcome outcome;
    const bool bothPresent = link_.wired.present && link_.receiver.present;
    const bool nonePresent = !link_.wired.present && !link_.receiver.present;
    if (change == HidChange::Arrival && !bothPresent) {
        ScanDevices();
        outcome.rescanned = true;
        outcome.queryStatusNow = takeQueryOnConnect();
    } else if (change == HidChange::Removal && !nonePresent) {
        ScanDevices();
        outcome.rescanned = true;
        if (!link_.anyPresent) {
            link_.queryOnConnect = true;
            outcome.lastDeviceGone = true;
        }
    }
    return outcome;
}

bool DeviceDiscovery::takeQueryOnConnect() {
    if (!link_.anyPresent || !link_.queryOnConnect)
        return false;
    link_.queryOnConnect = false;
    return true;
}

void DeviceDiscovery::closeCommandHandles() {
    link_.wired.commandHandle.reset();
    link_.receiver.commandHandle.reset();
}

} // namespace ferrox
