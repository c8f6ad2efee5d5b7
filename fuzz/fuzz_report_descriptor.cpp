// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// HID report descriptors, as hidraw hands them over from any device on the machine.
// Property: a collection with input reports names their IDs (a reader filters by them).

#include "device/hid/hid_report_descriptor.h"
#include "fuzz/fuzz_support.h"

using namespace ferrox;
using namespace ferrox::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const auto collections = ParseReportDescriptor(std::span<const uint8_t>(data, size));
    if (collections) {
        for (const HidTopLevelCollection& c : *collections)
            Check(c.inputReportLength == 0 || !c.inputReportIds.empty(),
                  "a collection with input reports names their IDs");
    }
    return 0;
}
