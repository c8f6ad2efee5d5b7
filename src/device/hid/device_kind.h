// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two kinds of device the program talks to, and the identifiers they enumerate with.

#include <cstdint>
#include <optional>
#include <string_view>

namespace ferrox {

enum class DeviceKind { Wired, Receiver };

inline constexpr DeviceKind kAllDeviceKinds[] = {DeviceKind::Wired, DeviceKind::Receiver};

inline constexpr uint16_t kFerroxVendorId = 0x248A;
inline constexpr uint16_t kWiredProductId = 0x5B2E;
inline constexpr uint16_t kReceiverProductId = 0x5B2F;
// Command frames (feature) and device notices (input): report ID plus 32 bytes.
inline constexpr uint16_t kDeviceReportLength = 33;

constexpr uint16_t ProductIdOf(DeviceKind kind) {
    return kind == DeviceKind::Wired ? kWiredProductId : kReceiverProductId;
}

constexpr std::string_view DeviceKindName(DeviceKind kind) {
    return kind == DeviceKind::Wired ? "wired" : "receiver";
}

constexpr std::optional<DeviceKind> DeviceKindOfProduct(uint16_t productId) {
    if (productId == kWiredProductId)
        return DeviceKind::Wired;
    if (productId == kReceiverProductId)
        return DeviceKind::Receiver;
    return std::nullopt;
}

// Which virtual devices --simulate plugs in; None means the real hidraw devices.
enum class SimulateKind { None, Wired, Receiver, Both };

// "wired", "receiver" or "both"; nullopt for anything else.
std::optional<SimulateKind> ParseSimulateKind(std::string_view text);

} // namespace ferrox
