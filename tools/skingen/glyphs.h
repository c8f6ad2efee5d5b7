// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Digits (and the few capitals of the wordmark) drawn as stroked paths, so images whose
// meaning is a number (report-rate tiles, button badges) look the same on every build
// machine, whatever fonts it has.

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <string_view>

namespace skingen {

// Glyph box of one character in design units: 4 wide, 7 high, plus 1.6 units of spacing.
inline constexpr double kGlyphWidth = 4.0;
inline constexpr double kGlyphHeight = 7.0;
inline constexpr double kGlyphAdvance = 5.6;

// The centre-line path of `text` (digits and the capitals F, E, R, O, X), one unit per `unit`
// pixels, with its top-left corner at origin. Stroke it with a pen of about unit * 1.1 pixels.
QPainterPath glyphsPath(std::string_view text, QPointF origin, double unit);

// Width in pixels of the stroked centre lines of `text`.
double glyphsWidth(std::string_view text, double unit);

// Strokes `text` centred on centre, `height` pixels tall.
void drawGlyphs(QPainter& p, std::string_view text, QPointF centre, double height,
                const QColor& colour, double strokeWidth);

} // namespace skingen
