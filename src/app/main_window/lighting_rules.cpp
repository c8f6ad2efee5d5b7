// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window/lighting_rules.h"

namespace ferrox {
namespace {

constexpr int kKeepOneNotice = 153;
constexpr int kKeepTwoNotice = 154;

struct ColourRule {
    int mode;
    int slots;   // the mode's colour slots
    int minimum; // selected colours that must stay
    int notice;
};

// Mode 3 has one colour, which always stays.
constexpr std::array<ColourRule, 4> kColourRules{{
    {2, 7, 1, kKeepOneNotice},
    {3, 1, 1, kKeepOneNotice},
    {6, 8, 2, kKeepTwoNotice},
    {7, 2, 1, kKeepOneNotice},
}};

} // namespace

LightingControls LightingControlsOfMode(int mode) {
    LightingControls shown;
    for (const ColourRule& rule : kColourRules)
        if (rule.mode == mode)
            shown.colourSlots = rule.slots;
    shown.speed = mode != 0 && mode != 3 && mode != 6;
    shown.brightness = mode == 3;
    shown.direction = mode == 1;
    return shown;
}

int ColourDeselectionRefusal(const std::array<std::uint8_t, 10>& selected, int mode, int slot) {
    for (const ColourRule& rule : kColourRules) {
        if (rule.mode != mode)
            continue;
        int remaining = 0;
        for (int i = 0; i < rule.slots; ++i)
            if (i != slot && selected[std::size_t(i)])
                ++remaining;
        return remaining < rule.minimum ? rule.notice : 0;
    }
    return 0;
}

} // namespace ferrox
