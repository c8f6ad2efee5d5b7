// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// HID access through the kernel's hidraw nodes. Each top-level collection of a node is its own
// logical interface (see hidraw_enumeration.h); a handle on one collection sees only that
// collection's input reports, as on the platform the program was first written for.

#include "device/hid/hid_backend.h"

#include <filesystem>

namespace ferrox {

class HidrawBackend : public HidBackend {
public:
    explicit HidrawBackend(std::filesystem::path classRoot = "/sys/class/hidraw",
                           std::filesystem::path devRoot = "/dev");

    std::vector<HidInterfaceInfo> enumerate() override;
    std::unique_ptr<HidHandle> open(const std::wstring& path) override;

private:
    std::filesystem::path classRoot_;
    std::filesystem::path devRoot_;
};

} // namespace ferrox
