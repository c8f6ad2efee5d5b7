// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/control_bindings.h"

#include "ui/ui_state.h"

#include <array>

namespace ferrox {
namespace {

// One bit per button; a group's bits are the bits of its buttons and no other group's.
constexpr std::array<RadioGroupEntry, 22> RadioGroups{{
    // macro loop type (macro manager)
    {2006, 0x1, 0x7F},
    {2080, 0x2, 0x7F},
    {2081, 0x4, 0x7F},
    {2082, 0x8, 0x7F},
    {2083, 0x10, 0x7F},
    {2084, 0x20, 0x7F},
    {2085, 0x40, 0x7F},
    // scroll by lines, by pages
    {2009, 0x80, 0x180},
    {2010, 0x100, 0x180},
    {3501, 0x200, 0x600},
    {3502, 0x400, 0x600},
    // lighting direction up, down
    {3240, 0x800, 0x1800},
    {3250, 0x1000, 0x1800},
    {2031, 0x2000, 0xE000},
    {2032, 0x4000, 0xE000},
    {2033, 0x8000, 0xE000},
    // report rate 125, 250, 500, 1000 Hz
    {3030, 0x10000, 0xF0000},
    {3031, 0x20000, 0xF0000},
    {3032, 0x40000, 0xF0000},
    {3033, 0x80000, 0xF0000},
    // lift-off distance low, high
    {3510, 0x100000, 0x300000},
    {3511, 0x200000, 0x300000},
}};

const std::array<TabPageEntry, 12> TabPages{{
    {2049, &MainPageIndex, 0},
    {2050, &MainPageIndex, 1},
    {2051, &MainPageIndex, 2},
    {2052, &MainPageIndex, 3},
    {2053, &MainPageIndex, 4},
    {3001, &SubPageIndex, 0},
    {3002, &SubPageIndex, 1},
    {3003, &SubPageIndex, 2},
    {3004, &SubPageIndex, 3},
    {3007, &SubPageIndex, 7},
    {3008, &SubPageIndex, 8},
    {3009, &SubPageIndex, 9},
}};

} // namespace

std::span<const RadioGroupEntry> ProgramRadioGroups() {
    return RadioGroups;
}

std::span<const TabPageEntry> ProgramTabPages() {
    return TabPages;
}

ControlBindings ProgramControlBindings() {
    return {RadioGroups, TabPages};
}

} // namespace ferrox
