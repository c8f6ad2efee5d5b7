// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builds the list of logical HID interfaces that Windows would show from the hidraw nodes of
// a sysfs-like folder: one entry per top-level collection of each node, nodes in the order of
// their number. Only sysfs is read here; no device node is opened.

#include "device/hid/hid_backend.h"

#include <filesystem>
#include <vector>

namespace ferrox {

struct HidrawInterface {
    HidInterfaceInfo info;
    std::filesystem::path node;          // the /dev/hidrawN this collection lives on
    std::vector<uint8_t> inputReportIds; // {0}: the node numbers no reports
};

// classRoot is /sys/class/hidraw on a real system; devRoot is /dev. Nodes whose uevent or
// report descriptor cannot be read or parsed are left out.
std::vector<HidrawInterface> EnumerateHidraw(const std::filesystem::path& classRoot,
                                             const std::filesystem::path& devRoot);

// Vendor and product from a uevent text ("HID_ID=0003:0000248A:00005B2E"); false when absent.
bool ParseHidIdFromUevent(const std::string& uevent, uint16_t& vendorId, uint16_t& productId);

} // namespace ferrox
