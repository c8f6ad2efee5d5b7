// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile_glyphs.h"

#include "paint_kit.h"

#include <QPainterPath>
#include <QPen>

namespace skingen {
namespace {

void plus(QPainter& p, QPoint c, const QColor& colour) {
    hLine(p, c.x() - 4, c.x() + 4, c.y(), colour);
    vLine(p, c.x(), c.y() - 4, c.y() + 4, colour);
}

// An open tray along the bottom of the box: two short walls and a floor.
void tray(QPainter& p, QPoint c, const QColor& colour) {
    const int left = c.x() - 5, right = c.x() + 5, floor = c.y() + 5;
    vLine(p, left, floor - 4, floor, colour);
    vLine(p, right, floor - 4, floor, colour);
    hLine(p, left, right, floor, colour);
}

// A file comes in: the arrow points down into the tray.
void intoTray(QPainter& p, QPoint c, const QColor& colour) {
    tray(p, c, colour);
    vLine(p, c.x(), c.y() - 6, c.y() + 1, colour);
    drawChevron(p, QPointF(c.x() + 0.5, c.y() + 0.5), 7, Direction::Down, colour, 1.2);
}

// The profile goes out: the arrow rises out of the tray.
void outOfTray(QPainter& p, QPoint c, const QColor& colour) {
    tray(p, c, colour);
    vLine(p, c.x(), c.y() - 5, c.y() + 2, colour);
    drawChevron(p, QPointF(c.x() + 0.5, c.y() - 3.5), 7, Direction::Up, colour, 1.2);
}

// A pencil lying from bottom left (its point) to top right (its end).
void pencil(QPainter& p, QPoint c, const QColor& colour) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(c.x() + 0.5, c.y() + 0.5);
    p.rotate(-45);
    QPainterPath body; // along x: the point at -7, the wood from -4, the end at 7
    body.moveTo(-7, 0);
    body.lineTo(-4, -2);
    body.lineTo(7, -2);
    body.lineTo(7, 2);
    body.lineTo(-4, 2);
    body.closeSubpath();
    p.setPen(QPen(colour, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    p.drawLine(QPointF(-4, -2), QPointF(-4, 2));
    p.drawLine(QPointF(4, -2), QPointF(4, 2)); // the ferrule before the eraser
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const QPointF lead[] = {{-7, 0}, {-5.5, -1}, {-5.5, 1}};
    p.drawPolygon(lead, 3);
    p.restore();
}

} // namespace

void drawProfileGlyph(QPainter& p, ProfileGlyph glyph, QPoint centre, const QColor& colour) {
    switch (glyph) {
    case ProfileGlyph::Add:
        return plus(p, centre, colour);
    case ProfileGlyph::Import:
        return intoTray(p, centre, colour);
    case ProfileGlyph::Export:
        return outOfTray(p, centre, colour);
    case ProfileGlyph::Rename:
        return pencil(p, centre, colour);
    }
}

} // namespace skingen
