// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What each lighting mode shows and how many of its colours must stay selected.

#include <array>
#include <cstdint>

namespace ferrox {

struct LightingControls {
    int colourSlots = 0; // the first n colour slots are shown
    bool speed = false;
    bool brightness = false;
    bool direction = false;
};

LightingControls LightingControlsOfMode(int mode);

// The notice (LanguageTable index) refusing to deselect colour `slot` of `mode`, or 0 when the
// deselection is allowed. A profile file may already hold fewer colours than a mode needs;
// then every further deselection is refused too.
int ColourDeselectionRefusal(const std::array<std::uint8_t, 10>& selected, int mode, int slot);

} // namespace ferrox
