// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sensor-dependent DPI step table: profiles keep DPI levels as indexes into it; the mouse
// receives the entry's code, the user sees its DPI value.

#include "settings/profile_settings.h"

#include <array>
#include <cstdint>
#include <optional>

namespace ferrox {

using SensorIdValue = std::uint16_t;
inline constexpr std::size_t DpiStepCapacity = 520;

struct DpiStep {
    std::uint16_t value50; // DPI / 50
    std::uint16_t code;    // what the mouse is sent
    constexpr unsigned Dpi() const { return value50 * 50u; }
};

struct DpiStepTable {
    std::array<DpiStep, DpiStepCapacity> entries{};
    std::size_t count = 0;
    bool longTable = false; // the window shows its lift-off section only with long tables

    // Nothing for an index past the table (default levels 6 and 7 of some sensors).
    std::optional<DpiStep> At(std::size_t index) const {
        return index < count ? std::optional<DpiStep>(entries[index]) : std::nullopt;
    }
    // The step a typed DPI value selects, as the DPI value dialog does: the first entry at or
    // above the value, the last entry for anything above the table. Nothing for an empty table
    // (a sensor the program does not know).
    std::optional<std::uint16_t> StepForDpi(unsigned long dpi) const;
};

// The highest DPI any sensor's table reaches; typed values above it are out of range.
inline constexpr unsigned MaxTableDpi = 26000;

// The sensor the DPI tables follow; taken from the configuration's "Sensor".
extern SensorIdValue SensorId;
// Built for SensorId by BuildDpiStepTable.
extern DpiStepTable DpiSteps;

// Fills DpiSteps for SensorId; an unknown sensor leaves it as it was. Returns whether the
// sensor is known.
bool BuildDpiStepTable();
// The table of a sensor, if known.
std::optional<DpiStepTable> MakeDpiStepTable(SensorIdValue sensor);
// Default step indexes of levels 0..7 for a sensor, if known.
std::optional<std::array<std::uint16_t, DpiLevelCount>> DefaultDpiSteps(SensorIdValue sensor);

} // namespace ferrox
