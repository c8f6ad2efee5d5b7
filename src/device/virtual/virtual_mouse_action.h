// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What can be done to the virtual mouse from outside the window that runs it: the mouse's own
// controls (its DPI button, its report-rate switch, the button that asks for the window), its
// cable and receiver, its battery. The
// window's "Virtual mouse" panel and `ferroxctl virtual` both speak in these actions; the latter
// sends them to a window running with --simulate as message kVirtualMouseMessage, the kind and
// the value as its two words (wParam and lParam in the older 12-byte form).

#include "device/hid/device_kind.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace ferrox {

inline constexpr unsigned kVirtualMouseMessage = 0x0BB8;

enum class VirtualActionKind : uint32_t {
    DpiButton = 1, // value unused
    Rate = 2,      // value: 125, 250, 500 or 1000 (Hz)
    Unplug = 3,    // value: DeviceKind
    Plug = 4,      // value: DeviceKind
    Battery = 5,   // value: the level the mouse reports, 0..255 (readings above 100 happen)
    Charging = 6,  // value: 0 on battery, 1 charging, 2 full
    ShowButton = 7, // value: 1 the mouse asks for the window (its show indication), 0 not
};

struct VirtualAction {
    VirtualActionKind kind = VirtualActionKind::DpiButton;
    uint32_t value = 0;
    friend bool operator==(const VirtualAction&, const VirtualAction&) = default;
};

// The words after "virtual", e.g. {"rate", "500"}. Nothing with one line in error otherwise.
std::optional<VirtualAction> ParseVirtualAction(std::span<const std::string> words,
                                                std::string& error);
// The action a message carries; nothing for a kind or value outside the ranges above.
std::optional<VirtualAction> VirtualActionOfMessage(uint32_t wParam, uint32_t lParam);

extern const char* const kVirtualActionUsage;

} // namespace ferrox
