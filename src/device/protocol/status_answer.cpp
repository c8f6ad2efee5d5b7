// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/protocol/status_answer.h"

#include <algorithm>

namespace ferrox {

namespace {

struct SensorCode {
    uint8_t code;
    uint16_t sensor;
};

constexpr std::array<SensorCode, 10> SensorCodes{{
    {0x04, 0x3104},
    {0x12, 0x3212},
    {0x25, 0x3325},
    {0x27, 0x3327},
    {0x35, 0x3335},
    {0x60, 0x3360},
    {0x70, 0x3370},
    {0x89, 0x3389},
    {0x95, 0x3395},
    {0x99, 0x3399},
}};

} // namespace

std::optional<uint16_t> SensorOfCode(uint8_t code) {
    for (const SensorCode& s : SensorCodes) {
        if (s.code == code) {
            return s.sensor;
        }
    }
    return std::nullopt;
}

std::optional<StatusAnswer> ParseStatusAnswer(const Frame& f) {
    if (f[2] != cmd::StatusQuery || f[3] != 0x00) {
        return std::nullopt;
    }
    StatusAnswer a;
    a.signatureMatches = std::equal(DeviceSignature.begin(), DeviceSignature.end(), f.begin() + 8);
    a.accessFlag = f[21];
    a.sensorCode = f[15];
    a.batteryLevel = f[18];
    switch (f[19]) {
    case 1:
        a.charge = ChargeState::Charging;
        break;
    case 2:
        a.charge = ChargeState::Full;
        a.batteryLevel = 100;
        break;
    default:
        a.charge = ChargeState::OnBattery;
        break;
    }
    return a;
}

} // namespace ferrox
