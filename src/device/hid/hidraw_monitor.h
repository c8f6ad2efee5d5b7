// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hot-plug notices for hidraw nodes. Listens on udev's own source rather than the kernel's, so
// that the access rules (the uaccess tag) have been applied when an arrival is reported.
// The owner waits for fd() to become readable (a QSocketNotifier, poll) and calls receive().

#include "device/hid/hid_backend.h"

#include <memory>
#include <optional>

struct udev;
struct udev_monitor;

namespace ferrox {

class HidrawMonitor {
public:
    // nullptr when udev is not reachable (no udev daemon in a container, for instance).
    static std::unique_ptr<HidrawMonitor> create();
    ~HidrawMonitor();

    int fd() const;
    // The pending notice, or nullopt for one that is neither an arrival nor a removal.
    std::optional<HidChange> receive();

private:
    HidrawMonitor(udev* context, udev_monitor* monitor);

    udev* context_;
    udev_monitor* monitor_;
};

} // namespace ferrox
