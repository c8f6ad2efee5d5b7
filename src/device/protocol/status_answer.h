// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The answer to the status query: who the device is, its sensor, battery and charge state, and
// whether it lets the window open.

#include <array>
#include <cstdint>
#include <optional>

#include "device/protocol/frame.h"

namespace ferrox {

// Frame bytes 8..11 of a status answer from the mouse this program serves.
inline constexpr std::array<uint8_t, 4> DeviceSignature{'T', '7', 'Q', '5'};

enum class ChargeState : uint32_t { OnBattery = 0, Charging = 1, Full = 2 };

struct StatusAnswer {
    bool signatureMatches = false;
    uint8_t accessFlag = 0; // frame byte 21: non-zero lets the window open
    uint8_t sensorCode = 0;
    uint8_t batteryLevel = 0; // percent; 100 when fully charged
    ChargeState charge = ChargeState::OnBattery;
};

// Nothing unless the frame is an answer to the status query (byte 2 0x20, byte 3 0x00).
std::optional<StatusAnswer> ParseStatusAnswer(const Frame& frame);

// The SensorId a sensor code stands for; nothing for a code outside the table.
std::optional<uint16_t> SensorOfCode(uint8_t code);

} // namespace ferrox
