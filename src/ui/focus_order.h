// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The order in which Tab visits the controls of a drawn window, from their rectangles alone:
// a window of columns is read column by column, a dialog row by row.

#include <QRect>

#include <cstddef>
#include <span>
#include <vector>

namespace ferrox {

// Indices into rects in reading order. Empty bands down the whole set at least `gutter` wide
// part it into columns, read left to right; otherwise the widest empty band across it parts it
// into rows, top first; otherwise any band down it. Each part is read the same way, and what no
// band parts is read top to bottom, then left to right.
std::vector<std::size_t> ReadingOrder(std::span<const QRect> rects, int gutter);

} // namespace ferrox
