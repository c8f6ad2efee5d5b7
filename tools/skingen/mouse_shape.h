// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The outline of the mouse seen from above, shared by the mouse picture and the icon.
// Coordinates are those of the 215 x 398 picture; scale the path for other sizes.

#include <QPainterPath>

namespace skingen {

inline constexpr double kMouseWidth = 215;
inline constexpr double kMouseHeight = 398;
inline constexpr double kMouseAxis = 107.5; // the line of symmetry

QPainterPath mouseBodyPath();
// Rear edge of the two main buttons, from the left flank to the right flank.
QPainterPath buttonRearEdge();
// Mirrors a path drawn on the left half onto the right half.
QPainterPath mirrored(const QPainterPath& leftHalf);

} // namespace skingen
