// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The colours of the skin set. Screen colours (#RRGGBB); the program's own text and list
// colours are repeated here so that images sit well under and beside them.

#include <QColor>

namespace skingen::style {

// Graphite grounds.
inline const QColor kGround{0x14, 0x14, 0x15};
inline const QColor kWell{0x10, 0x10, 0x11}; // inset fields and grooves

// Lines.
inline const QColor kHairline{0x3A, 0x3A, 0x3A};
inline const QColor kHairlineSoft{0x2A, 0x2A, 0x2B};
inline const QColor kHighlight{255, 255, 255, 16}; // 1 px top edge of raised shapes

// Glyphs and the program's text colours.
inline const QColor kText{0xB4, 0xB4, 0xB4};
inline const QColor kTextBright{0xFF, 0xFF, 0xFF};
inline const QColor kGlyphDim{0x80, 0x80, 0x82};

// The one accent: the selection blue, and its darker companions.
inline const QColor kAccent{0x35, 0xA0, 0xDE};
inline const QColor kAccentLight{0x5C, 0xB8, 0xEC};
inline const QColor kAccentDeep{0x1E, 0x6F, 0xA0};
inline const QColor kAccentShade{0x10, 0x2C, 0x3D}; // accent-tinted dark fill

// The profile list's deep reds, used for emphasis.
inline const QColor kRedSelected{120, 0, 0};
inline const QColor kRedBright{0xD8, 0x2A, 0x2A};

// Battery legend.
inline const QColor kBatteryGreen{0x3C, 0xC0, 0x5C};
inline const QColor kBatteryOrange{0xF0, 0x9A, 0x2A};
inline const QColor kBatteryRed{0xE0, 0x3A, 0x3A};

// Colour palette ground: the program ignores clicks on exactly this colour.
inline const QColor kPaletteGround{0x0F, 0x0F, 0x0F};

} // namespace skingen::style
