// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a HID report descriptor the way the Windows HID parser sees it: one entry per top-level
// collection, each with the byte lengths of its largest input, output and feature report
// (report ID byte included, 0 when the collection has no report of that type).

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace ferrox {

struct HidTopLevelCollection {
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    uint16_t inputReportLength = 0;
    uint16_t outputReportLength = 0;
    uint16_t featureReportLength = 0;
    // Report IDs of this collection's input reports; {0} when the device numbers no reports.
    std::vector<uint8_t> inputReportIds;
};

// nullopt for a descriptor that is truncated or malformed (such a node is not usable).
std::optional<std::vector<HidTopLevelCollection>>
ParseReportDescriptor(std::span<const uint8_t> descriptor);

} // namespace ferrox
