// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/hid/hidraw_monitor.h"

#include "base/log_sink.h"

#include <cerrno>
#include <cstring>
#include <libudev.h>

namespace ferrox {

std::unique_ptr<HidrawMonitor> HidrawMonitor::create() {
    udev* context = udev_new();
    if (!context) {
        LogFailure(LogCategory::Device, "udev", errno);
        return nullptr;
    }
    udev_monitor* monitor = udev_monitor_new_from_netlink(context, "udev");
    if (!monitor ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor) < 0) {
        LogFailure(LogCategory::Device, "udev monitor for hidraw", errno);
        if (monitor)
            udev_monitor_unref(monitor);
        udev_unref(context);
        return nullptr;
    }
    return std::unique_ptr<HidrawMonitor>(new HidrawMonitor(context, monitor));
}

HidrawMonitor::HidrawMonitor(udev* context, udev_monitor* monitor)
    : context_(context), monitor_(monitor) {}

HidrawMonitor::~HidrawMonitor() {
    udev_monitor_unref(monitor_);
    udev_unref(context_);
}

int HidrawMonitor::fd() const {
    return udev_monitor_get_fd(monitor_);
}

std::optional<HidChange> HidrawMonitor::receive() {
    udev_device* device = udev_monitor_receive_device(monitor_);
    if (!device)
        return std::nullopt;
    std::optional<HidChange> change;
    if (const char* action = udev_device_get_action(device)) {
        if (std::strcmp(action, "add") == 0)
            change = HidChange::Arrival;
        else if (std::strcmp(action, "remove") == 0)
            change = HidChange::Removal;
    }
    udev_device_unref(device);
    return change;
}

} // namespace ferrox
