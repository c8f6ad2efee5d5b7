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
// part it into columns, read left to right. Then, and in a set without such columns, the
// widest empty band across a part splits it into rows, top first, else the widest band down
// it, and so on; what no band parts is read top to bottom, then left to right.
std::vector<std::size_t> ReadingOrder(std::span<const QRect> rects, int gutter);

} // namespace ferrox
