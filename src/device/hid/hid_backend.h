// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The narrow transport every device-facing piece talks to. Two implementations: the Linux
// hidraw backend and the in-process virtual mouse. Core code never sees a file descriptor.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace ferrox {

// One logical HID interface, as the Windows HID class would enumerate it: one per top-level
// collection. Its member index is its position in the list that enumerate() returns.
struct HidInterfaceInfo {
    std::wstring path;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t inputReportLength = 0;   // largest input report in bytes, plus one for the report ID
    uint16_t featureReportLength = 0; // likewise for feature reports
};

enum class HidReadResult { Report, Failed, Interrupted };

// An open interface. setFeature/getFeature may be called from the device worker thread,
// readInput from a reader thread, interruptRead from any thread.
class HidHandle {
public:
    virtual ~HidHandle() = default;

    virtual const HidInterfaceInfo& info() const = 0;

    // report[0] is the report ID; the whole buffer is the report.
    [[nodiscard]] virtual bool setFeature(std::span<const uint8_t> report) = 0;
    [[nodiscard]] virtual bool getFeature(std::span<uint8_t> report) = 0;

    // Blocks until an input report arrives (copied into buffer, report ID first), the
    // interface fails (unplugged), or interruptRead() is called.
    [[nodiscard]] virtual HidReadResult readInput(std::span<uint8_t> buffer) = 0;
    // Wakes a blocked readInput() so a reader thread can end; safe from any thread.
    virtual void interruptRead() = 0;
};

enum class HidChange { Arrival, Removal };

class HidBackend {
public:
    virtual ~HidBackend() = default;

    // A fresh enumeration each call; nothing survives between calls.
    virtual std::vector<HidInterfaceInfo> enumerate() = 0;

    // nullptr when the interface is gone or cannot be opened for read and write.
    virtual std::unique_ptr<HidHandle> open(const std::wstring& path) = 0;
};

} // namespace ferrox
