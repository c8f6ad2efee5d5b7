// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The sysfs data of a hidraw node: its uevent text and its report descriptor. The input is the
// uevent, a NUL byte, then the descriptor; the enumeration reads them from a sysfs-like folder.

#include "device/hid/hidraw_enumeration.h"
#include "fuzz/fuzz_support.h"

#include <algorithm>
#include <fstream>

using namespace ferrox;
using namespace ferrox::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    ResetScratch();
    const uint8_t* end = data + size;
    const uint8_t* split = std::find(data, end, uint8_t{0});
    const std::string uevent(data, split);
    const uint8_t* descriptor = split == end ? end : split + 1;

    uint16_t vendor = 0, product = 0;
    (void)ParseHidIdFromUevent(uevent, vendor, product);

    const fs::path classRoot = ScratchFolder() / "class";
    const fs::path devRoot = ScratchFolder() / "dev";
    const fs::path device = classRoot / "hidraw0" / "device";
    fs::create_directories(device);
    fs::create_directories(devRoot);
    std::ofstream(devRoot / "hidraw0").flush();
    WriteBytes(device / "uevent", data, static_cast<std::size_t>(split - data));
    WriteBytes(device / "report_descriptor", descriptor, static_cast<std::size_t>(end - descriptor));
    for (const HidrawInterface& found : EnumerateHidraw(classRoot, devRoot)) {
        Check(found.info.vendorId == vendor && found.info.productId == product,
              "an enumerated node has the IDs of its uevent");
    }
    return 0;
}
