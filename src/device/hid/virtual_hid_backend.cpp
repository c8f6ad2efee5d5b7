// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/hid/virtual_hid_backend.h"

#include "device/hid/silent_firmware.h"
#include "device/hid/virtual_device.h"
#include "device/hid/virtual_hid_handle.h"

#include <algorithm>
#include <array>

namespace ferrox {
namespace {

struct InterfaceShape {
    uint16_t input;
    uint16_t feature;
    VirtualRole role;
};

// Boot mouse, command, event, consumer control: the order the real devices enumerate in.
constexpr std::array<InterfaceShape, 4> kStandard = {{
    {8, 0, VirtualRole::Other},
    {0, 33, VirtualRole::Command},
    {33, 0, VirtualRole::Event},
    {3, 0, VirtualRole::Other},
}};

constexpr std::array<InterfaceShape, 4> kWrongLengths = {{
    {8, 0, VirtualRole::Other},
    {0, 65, VirtualRole::Command},
    {64, 0, VirtualRole::Event},
    {3, 0, VirtualRole::Other},
}};

constexpr std::array<InterfaceShape, 3> kSharedCollection = {{
    {8, 0, VirtualRole::Other},
    {33, 33, VirtualRole::Event},
    {3, 0, VirtualRole::Other},
}};

// A keyboard and its consumer keys, of a vendor that is not ours.
constexpr uint16_t kUnrelatedVendorId = 0x1209;
constexpr uint16_t kUnrelatedProductId = 0x0001;
constexpr std::array<InterfaceShape, 2> kUnrelated = {{
    {9, 0, VirtualRole::Other},
    {3, 0, VirtualRole::Other},
}};

std::span<const InterfaceShape> ShapesOf(VirtualLayout layout) {
    switch (layout) {
    case VirtualLayout::WrongLengths:
        return kWrongLengths;
    case VirtualLayout::SharedCollection:
        return kSharedCollection;
    case VirtualLayout::Standard:
        break;
    }
    return kStandard;
}

std::wstring NameOf(DeviceKind kind) {
    return kind == DeviceKind::Wired ? L"wired" : L"receiver";
}

std::shared_ptr<VirtualDevice> MakeDevice(std::wstring name, uint16_t vendor, uint16_t product,
                                          std::span<const InterfaceShape> shapes) {
    auto device = std::make_shared<VirtualDevice>();
    device->name = std::move(name);
    for (size_t i = 0; i < shapes.size(); ++i) {
        VirtualInterface vi;
        vi.info.path = L"virtual:" + device->name + L"/" + std::to_wstring(i);
        vi.info.vendorId = vendor;
        vi.info.productId = product;
        vi.info.inputReportLength = shapes[i].input;
        vi.info.featureReportLength = shapes[i].feature;
        vi.role = shapes[i].role;
        device->interfaces.push_back(std::move(vi));
    }
    return device;
}

} // namespace

VirtualHidBackend::VirtualHidBackend() = default;

VirtualHidBackend::~VirtualHidBackend() {
    for (const auto& device : devices_) {
        if (device->firmware)
            device->firmware->setInputSink({});
        device->markUnplugged();
    }
}

void VirtualHidBackend::plug(DeviceKind kind, std::shared_ptr<VirtualFirmware> firmware,
                             VirtualPlugOptions options) {
    if (remove(NameOf(kind)))
        notify(HidChange::Removal);
    auto device =
        MakeDevice(NameOf(kind), kFerroxVendorId, ProductIdOf(kind), ShapesOf(options.layout));
    device->firmware = firmware ? std::move(firmware) : std::make_shared<SilentFirmware>();
    device->accessDenied = options.accessDenied;
    std::weak_ptr<VirtualDevice> weak = device;
    device->firmware->setInputSink([weak](std::vector<uint8_t> report) {
        if (auto target = weak.lock())
            target->deliver(report);
    });
    add(std::move(device));
}

void VirtualHidBackend::unplug(DeviceKind kind) {
    if (remove(NameOf(kind)))
        notify(HidChange::Removal);
}

void VirtualHidBackend::plugUnrelated() {
    if (remove(L"unrelated"))
        notify(HidChange::Removal);
    add(MakeDevice(L"unrelated", kUnrelatedVendorId, kUnrelatedProductId, kUnrelated));
}

void VirtualHidBackend::add(std::shared_ptr<VirtualDevice> device) {
    {
        std::lock_guard lock(mutex_);
        devices_.push_back(std::move(device));
    }
    notify(HidChange::Arrival);
}

bool VirtualHidBackend::remove(const std::wstring& name) {
    std::shared_ptr<VirtualDevice> gone;
    {
        std::lock_guard lock(mutex_);
        auto it = std::find_if(devices_.begin(), devices_.end(),
                               [&](const auto& d) { return d->name == name; });
        if (it == devices_.end())
            return false;
        gone = *it;
        devices_.erase(it);
    }
    if (gone->firmware)
        gone->firmware->setInputSink({});
    gone->markUnplugged();
    return true;
}

bool VirtualHidBackend::isPlugged(DeviceKind kind) const {
    std::lock_guard lock(mutex_);
    return std::any_of(devices_.begin(), devices_.end(),
                       [&](const auto& d) { return d->name == NameOf(kind); });
}

std::shared_ptr<VirtualFirmware> VirtualHidBackend::firmware(DeviceKind kind) const {
    std::lock_guard lock(mutex_);
    for (const auto& d : devices_)
        if (d->name == NameOf(kind))
            return d->firmware;
    return nullptr;
}

void VirtualHidBackend::setChangeListener(std::function<void(HidChange)> listener) {
    std::lock_guard lock(mutex_);
    listener_ = std::move(listener);
}

void VirtualHidBackend::notify(HidChange change) {
    std::function<void(HidChange)> listener;
    {
        std::lock_guard lock(mutex_);
        listener = listener_;
    }
    if (listener)
        listener(change);
}

std::vector<HidInterfaceInfo> VirtualHidBackend::enumerate() {
    std::lock_guard lock(mutex_);
    std::vector<HidInterfaceInfo> infos;
    for (const auto& d : devices_)
        for (const auto& vi : d->interfaces)
            infos.push_back(vi.info);
    return infos;
}

std::unique_ptr<HidHandle> VirtualHidBackend::open(const std::wstring& path) {
    std::lock_guard lock(mutex_);
    for (const auto& d : devices_) {
        for (const auto& vi : d->interfaces) {
            if (vi.info.path != path)
                continue;
            if (d->accessDenied)
                return nullptr;
            return std::make_unique<VirtualHidHandle>(d, vi);
        }
    }
    return nullptr;
}

} // namespace ferrox
