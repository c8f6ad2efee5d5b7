// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/control_bindings.h"

#include "app/radio_bits.h"

#include "ui/ui_state.h"

#include <array>

namespace ferrox {
namespace {

// One bit per button; a group's bits are the bits of its buttons and no other group's.
namespace B = RadioBit;
constexpr std::array<RadioGroupEntry, 22> RadioGroups{{
    // X_DPI choices 0..6
    {2006, B::XDpiFirst << 0, B::XDpiGroup},
    {2080, B::XDpiFirst << 1, B::XDpiGroup},
    {2081, B::XDpiFirst << 2, B::XDpiGroup},
    {2082, B::XDpiFirst << 3, B::XDpiGroup},
    {2083, B::XDpiFirst << 4, B::XDpiGroup},
    {2084, B::XDpiFirst << 5, B::XDpiGroup},
    {2085, B::XDpiFirst << 6, B::XDpiGroup},
    {2009, B::ScrollLines, B::ScrollGroup},
    {2010, B::ScrollPages, B::ScrollGroup},
    {3501, B::MoveLighting, B::MoveLightingGroup},
    {3502, B::ProfileChooser, B::MoveLightingGroup},
    {3240, B::DirectionUp, B::DirectionGroup},
    {3250, B::DirectionDown, B::DirectionGroup},
    // macro loop type (macro manager)
    {2031, B::LoopHeld, B::LoopGroup},
    {2032, B::LoopToggle, B::LoopGroup},
    {2033, B::LoopCounted, B::LoopGroup},
    // report rate 125, 250, 500, 1000 Hz
    {3030, B::Rate125, B::RateGroup},
    {3031, B::Rate250, B::RateGroup},
    {3032, B::Rate500, B::RateGroup},
    {3033, B::Rate1000, B::RateGroup},
    {3510, B::LiftLow, B::LiftGroup},
    {3511, B::LiftHigh, B::LiftGroup},
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
