// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small drawing helpers shared by the image families: blank canvases, pixel-aligned
// hairlines and the rounded "control body" every button, field and box is built from.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace skingen {

// A transparent canvas ready for antialiased drawing.
QImage blankImage(int width, int height);
QImage filledImage(int width, int height, const QColor& colour);

// One look of a raised or inset control body.
struct BodyLook {
    QColor top;       // fill at the top edge
    QColor bottom;    // fill at the bottom edge
    QColor border;    // 1 px outline
    QColor highlight; // 1 px line just inside the top edge (alpha 0 = none)
    QColor glow;      // soft accent ring just inside the border (alpha 0 = none)
};

BodyLook raisedLook();
BodyLook raisedHoverLook();
BodyLook wellLook();
BodyLook wellHoverLook();
BodyLook accentLook();

// Fills rect (pixel edges) with the body: a vertical gradient, a 1 px border on the pixel
// grid, rounded by radius, and the highlight line.
void drawBody(QPainter& p, const QRectF& rect, qreal radius, const BodyLook& look);

// Path of a rounded rectangle whose 1 px outline lands on whole pixels.
QPainterPath hairlinePath(const QRectF& rect, qreal radius);

// A 1 px line between pixel centres: crisp horizontal or vertical rules.
void hLine(QPainter& p, int x1, int x2, int y, const QColor& colour);
void vLine(QPainter& p, int x, int y1, int y2, const QColor& colour);

// A chevron of two strokes centred at c, pointing in the given direction.
enum class Direction { Up, Down, Left, Right };
void drawChevron(QPainter& p, QPointF c, qreal size, Direction dir, const QColor& colour,
                 qreal width = 1.5);

QColor withAlpha(QColor c, int alpha);

// Rounded rectangle with its own radius per corner (top-left, top-right, bottom-right,
// bottom-left), for tiles that form one rounded block together.
QPainterPath cornerPath(const QRectF& rect, qreal tl, qreal tr, qreal br, qreal bl);

// Wide, dark gradients band at 8 bits per channel: draw them on a 16-bit canvas and bring
// it down to 8 bits with a fixed noise pattern (every build writes the same bytes).
QImage deepImage(int width, int height);
QImage ditherTo8Bit(const QImage& deep);

} // namespace skingen
