// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An open hidraw node, restricted to one top-level collection.

#include "device/hid/hid_backend.h"

#include <atomic>
#include <string>
#include <vector>

namespace ferrox {

class HidrawHandle : public HidHandle {
public:
    // Takes ownership of fd; nullptr when the wake-up descriptor cannot be made.
    static std::unique_ptr<HidrawHandle> adopt(int fd, HidInterfaceInfo info,
                                               std::vector<uint8_t> inputReportIds);
    ~HidrawHandle() override;

    const HidInterfaceInfo& info() const override { return info_; }
    bool setFeature(std::span<const uint8_t> report) override;
    bool getFeature(std::span<uint8_t> report) override;
    HidReadResult readInput(std::span<uint8_t> buffer) override;
    void interruptRead() override;

private:
    HidrawHandle(int fd, int wakeFd, HidInterfaceInfo info, std::vector<uint8_t> inputReportIds);
    bool acceptsReport(uint8_t id) const;
    std::string name() const;
    // Logs a failed ioctl with its reason, counts a good one.
    bool counted(int result, const char* what, std::atomic<unsigned>& count) const;

    int fd_;
    int wakeFd_;
    HidInterfaceInfo info_;
    std::vector<uint8_t> inputReportIds_;
    bool numbered_;
    // Reports this handle passed each way, for the log when it closes.
    mutable std::atomic<unsigned> sent_ = 0;
    mutable std::atomic<unsigned> received_ = 0;
};

} // namespace ferrox
