// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pictures of the four buttons under the profile tabs, so each says what it does: add a
// profile, import a file into the current one, export it to a file, rename it. Each fits an
// 11 x 11 box around its centre, drawn in one colour like the window buttons' glyphs.

#include <QColor>
#include <QPainter>
#include <QPoint>

namespace skingen {

enum class ProfileGlyph { Add, Import, Export, Rename };

void drawProfileGlyph(QPainter& p, ProfileGlyph glyph, QPoint centre, const QColor& colour);

} // namespace skingen
