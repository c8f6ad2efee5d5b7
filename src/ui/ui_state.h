// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// UI state words shared by the dialogs and the controls that change them.

#include <cstdint>

namespace ferrox {

// One bit per radio button of every radio group; a click sets its bit and clears its group's.
extern std::uint32_t RadioGroupFlags;
// Bit k set: DPI level button k looks selected. A click on button k selects levels 0..k.
extern std::uint32_t DpiLevelMask;
// Selected main page (tabs 2049..2053) and sub page (tabs 3001..3004, 3007..3009).
extern int MainPageIndex;
extern int SubPageIndex;

} // namespace ferrox
