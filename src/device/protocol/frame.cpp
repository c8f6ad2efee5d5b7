// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/protocol/frame.h"

#include <algorithm>
#include <cstdio>

namespace ferrox {

Frame BuildFrame(uint8_t command, std::span<const uint8_t> payload, uint8_t byte5) {
    Frame f{};
    const std::size_t n = std::min(payload.size(), kMaxPayload);
    f[0] = kCommandReportId;
    f[1] = 0x01;
    f[2] = command;
    f[3] = 0x00;
    f[4] = 0x00;
    f[5] = byte5;
    f[6] = static_cast<uint8_t>(n);
    std::copy_n(payload.begin(), n, f.begin() + 7);
    return f;
}

Frame PreparedAnswerBuffer() {
    Frame f;
    f.fill(0xFF);
    f[0] = kCommandReportId;
    return f;
}

std::string TraceLine(char direction, std::span<const uint8_t> report) {
    std::string line(1, direction);
    char hex[4];
    for (uint8_t b : report) {
        std::snprintf(hex, sizeof hex, " %02X", b);
        line += hex;
    }
    line += '\n';
    return line;
}

} // namespace ferrox
