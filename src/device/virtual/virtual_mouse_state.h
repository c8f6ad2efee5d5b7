// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the virtual mouse holds: the settings the commands wrote, what the hardware is, and a
// text form of both so separate runs of ferroxctl see the same mouse.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace ferrox {

struct VirtualMouseState {
    std::array<uint8_t, 18> dpi{};
    std::array<uint8_t, 24> dpiColours{};
    uint8_t rateCode = 0x02;
    std::array<uint8_t, 2> liftHeight{2, 0};
    uint8_t debounce = 12;
    std::vector<uint8_t> lighting; // the last lighting payload, as sent
    std::array<uint8_t, 2> power{6, 0};
    uint8_t motionWakeup = 1;
    std::array<std::array<uint8_t, 3>, 7> keys{}; // by device position
    std::array<std::vector<uint8_t>, 16> macros;  // command bytes, by device macro slot
    // What the hardware is, not what it was told.
    std::array<uint8_t, 4> signature{'T', '7', 'Q', '5'};
    uint8_t sensorCode = 0x25;
    uint8_t battery = 80;
    uint8_t chargeState = 0;
    uint8_t accessFlag = 1;
    uint32_t factoryResets = 0;

    // A freshly reset mouse: its settings, keeping what the hardware is.
    void resetSettings();
    static VirtualMouseState Defaults();

    uint8_t dpiLevel() const { return dpi[0] >> 4; } // 1-based
    uint8_t dpiEnableMask() const { return dpi[1]; }

    std::string serialize() const;
    // False when text is not a saved state; the state is then left as it was.
    [[nodiscard]] bool parse(const std::string& text);
};

} // namespace ferrox
