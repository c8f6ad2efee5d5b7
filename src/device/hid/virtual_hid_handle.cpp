// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/hid/virtual_hid_handle.h"

#include <algorithm>

namespace ferrox {

void VirtualDevice::deliver(const std::vector<uint8_t>& report) {
    {
        std::lock_guard lock(mutex);
        if (!plugged)
            return;
        for (const auto& weak : eventQueues)
            if (auto queue = weak.lock())
                queue->reports.push_back(report);
    }
    changed.notify_all();
}

void VirtualDevice::markUnplugged() {
    {
        std::lock_guard lock(mutex);
        plugged = false;
    }
    changed.notify_all();
}

VirtualHidHandle::VirtualHidHandle(std::shared_ptr<VirtualDevice> device,
                                   const VirtualInterface& interface)
    : device_(std::move(device)), info_(interface.info), role_(interface.role) {
    if (role_ != VirtualRole::Event)
        return;
    std::lock_guard lock(device_->mutex);
    device_->eventQueues.push_back(queue_);
}

VirtualHidHandle::~VirtualHidHandle() {
    std::lock_guard lock(device_->mutex);
    std::erase_if(device_->eventQueues, [](const auto& weak) { return weak.expired(); });
}

bool VirtualHidHandle::commandReady(size_t length) const {
    if (role_ != VirtualRole::Command || length == 0 || length != info_.featureReportLength)
        return false;
    std::lock_guard lock(device_->mutex);
    return device_->plugged;
}

bool VirtualHidHandle::setFeature(std::span<const uint8_t> report) {
    if (!commandReady(report.size()))
        return false;
    std::lock_guard lock(device_->firmwareMutex);
    return device_->firmware->onSetFeature(report);
}

bool VirtualHidHandle::getFeature(std::span<uint8_t> report) {
    if (!commandReady(report.size()))
        return false;
    std::lock_guard lock(device_->firmwareMutex);
    return device_->firmware->onGetFeature(report);
}

HidReadResult VirtualHidHandle::readInput(std::span<uint8_t> buffer) {
    std::unique_lock lock(device_->mutex);
    device_->changed.wait(
        lock, [&] { return queue_->interrupted || !queue_->reports.empty() || !device_->plugged; });
    if (queue_->interrupted) {
        queue_->interrupted = false;
        return HidReadResult::Interrupted;
    }
    if (queue_->reports.empty())
        return HidReadResult::Failed;
    const std::vector<uint8_t> report = std::move(queue_->reports.front());
    queue_->reports.pop_front();
    std::fill(buffer.begin(), buffer.end(), 0);
    std::copy_n(report.begin(), std::min(report.size(), buffer.size()), buffer.begin());
    return HidReadResult::Report;
}

void VirtualHidHandle::interruptRead() {
    {
        std::lock_guard lock(device_->mutex);
        queue_->interrupted = true;
    }
    device_->changed.notify_all();
}

} // namespace ferrox
