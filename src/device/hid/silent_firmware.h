// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A device that takes every command and never says anything: enough for discovery, and what
// the virtual mouse runs when no fuller firmware is given.

#include "device/hid/virtual_firmware.h"

#include <algorithm>

namespace ferrox {

class SilentFirmware : public VirtualFirmware {
public:
    bool onSetFeature(std::span<const uint8_t>) override { return true; }
    bool onGetFeature(std::span<uint8_t> report) override {
        if (!report.empty())
            std::fill(report.begin() + 1, report.end(), 0);
        return true;
    }
    void setInputSink(InputSink) override {}
};

} // namespace ferrox
