// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/dpi_table.h"

#include <algorithm>
#include <span>

namespace ferrox {

namespace {

// DPI values from..to (inclusive) in steps of step.
struct DpiRun {
    unsigned from, to, step;
};

struct SensorTable {
    SensorIdValue sensor;
    std::array<DpiRun, 4> runs;
    std::size_t runCount;
    std::size_t entries;     // checked against the runs below
    std::uint16_t firstCode; // entry i has code firstCode + i
    bool longTable;
    std::array<std::uint16_t, DpiLevelCount> defaultSteps;
};

constexpr std::array<SensorTable, 10> SensorTables = {{
    {0x3104,
     {{{100, 4000, 100}, {4500, 4800, 300}, {5500, 8000, 500}}},
     3,
     48,
     0,
     false,
     {4, 15, 23, 31, 39, 41, 58, 50}},
    {0x3212,
     {{{200, 2400, 100}, {3000, 4800, 100}}},
     2,
     42,
     1,
     false,
     {6, 10, 14, 22, 33, 12, 12, 12}},
    {0x3325,
     {{{200, 5000, 100}, {5500, 6000, 500}, {6400, 7200, 800}, {7500, 10000, 500}}},
     4,
     59,
     1,
     false,
     {10, 22, 30, 46, 52, 58, 58, 50}},
    {0x3327,
     {{{200, 6200, 100}, {6500, 12000, 500}, {12400, 12400, 1}}},
     3,
     74,
     1,
     false,
     {2, 6, 14, 30, 48, 58, 58, 58}},
    {0x3335, {{{100, 16000, 100}}}, 1, 160, 0, true, {11, 23, 31, 63, 99, 159, 59, 59}},
    {0x3360,
     {{{100, 12000, 100}, {24000, 24000, 1}}},
     2,
     121,
     0,
     true,
     {3, 7, 15, 31, 49, 59, 59, 59}},
    {0x3370,
     {{{50, 10000, 50}, {10100, 19000, 100}}},
     2,
     290,
     0,
     true,
     {7, 15, 31, 63, 99, 119, 119, 119}},
    {0x3389, {{{100, 16000, 100}}}, 1, 160, 0, true, {3, 7, 15, 31, 49, 59, 59, 59}},
    {0x3395, {{{50, 26000, 50}}}, 1, 520, 0, true, {7, 15, 31, 63, 99, 99, 99, 99}},
    {0x3399, {{{50, 20000, 50}}}, 1, 400, 0, true, {7, 15, 31, 63, 99, 99, 99, 99}},
}};

constexpr std::size_t CountEntries(const SensorTable& table) {
    std::size_t count = 0;
    for (std::size_t r = 0; r < table.runCount; ++r)
        count += (table.runs[r].to - table.runs[r].from) / table.runs[r].step + 1;
    return count;
}

constexpr bool RunsMatchEntryCounts() {
    for (const SensorTable& table : SensorTables)
        if (CountEntries(table) != table.entries || table.entries > DpiStepCapacity)
            return false;
    return true;
}
static_assert(RunsMatchEntryCounts(), "a DPI run list disagrees with its entry count");

const SensorTable* FindSensor(SensorIdValue sensor) {
    auto it = std::find_if(SensorTables.begin(), SensorTables.end(),
                           [sensor](const SensorTable& t) { return t.sensor == sensor; });
    return it == SensorTables.end() ? nullptr : &*it;
}

} // namespace

SensorIdValue SensorId = 0x3325;
// The default sensor's table until one is built: an unknown sensor keeps the table it finds,
// and that should be a usable one.
DpiStepTable DpiSteps = *MakeDpiStepTable(0x3325);

std::optional<DpiStepTable> MakeDpiStepTable(SensorIdValue sensor) {
    const SensorTable* source = FindSensor(sensor);
    if (!source)
        return std::nullopt;
    DpiStepTable table;
    for (const DpiRun& run : std::span(source->runs.data(), source->runCount)) {
        for (unsigned dpi = run.from; dpi <= run.to; dpi += run.step) {
            table.entries[table.count] = {
                static_cast<std::uint16_t>(dpi / 50),
                static_cast<std::uint16_t>(source->firstCode + table.count)};
            ++table.count;
        }
    }
    table.longTable = source->longTable;
    return table;
}

bool BuildDpiStepTable() {
    auto table = MakeDpiStepTable(SensorId);
    if (table)
        DpiSteps = *table;
    return table.has_value();
}

std::optional<std::array<std::uint16_t, DpiLevelCount>> DefaultDpiSteps(SensorIdValue sensor) {
    const SensorTable* source = FindSensor(sensor);
    if (!source)
        return std::nullopt;
    return source->defaultSteps;
}

std::optional<std::uint16_t> DpiStepTable::StepForDpi(unsigned long dpi) const {
    if (count == 0) {
        return std::nullopt;
    }
    std::size_t i = 0;
    while (i + 1 < count && entries[i].Dpi() < dpi) {
        ++i;
    }
    return static_cast<std::uint16_t>(i);
}

} // namespace ferrox
