// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/hid/virtual_device.h"

namespace ferrox {

class VirtualHidHandle : public HidHandle {
public:
    VirtualHidHandle(std::shared_ptr<VirtualDevice> device, const VirtualInterface& interface);
    ~VirtualHidHandle() override;

    const HidInterfaceInfo& info() const override { return info_; }
    bool setFeature(std::span<const uint8_t> report) override;
    bool getFeature(std::span<uint8_t> report) override;
    HidReadResult readInput(std::span<uint8_t> buffer) override;
    void interruptRead() override;

private:
    bool commandReady(size_t length) const;

    std::shared_ptr<VirtualDevice> device_;
    HidInterfaceInfo info_;
    VirtualRole role_;
    std::shared_ptr<VirtualInputQueue> queue_ = std::make_shared<VirtualInputQueue>();
};

} // namespace ferrox
