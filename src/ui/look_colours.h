// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colours every drawn surface shares, so a window, a notice and a control cannot drift
// apart. COLORREF words: red in the low byte.

#include "platform/qt_colour.h"

namespace ferrox::look {

inline constexpr Colour Text = 0xB4B4B4;     // normal text
inline constexpr Colour HotText = 0xFFFFFF;  // highlighted text
inline constexpr Colour DisabledText = 0x707070; // controls that do nothing
inline constexpr Colour Accent = 0xDEA035;   // the selection blue, #35A0DE
inline constexpr Colour Hairline = 0x3A3A3A; // borders
inline constexpr Colour Graphite = 0x161616; // window ground
inline constexpr Colour Panel = 0x1E1E1E;    // a step lighter than the ground
inline constexpr Colour Band = 0x121212;     // title bands

} // namespace ferrox::look
