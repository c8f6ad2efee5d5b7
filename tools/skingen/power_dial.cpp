// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Power-down dial: a half ring of eight segments, 3 minutes on the left to 10 on the right.
// Image N lights segments 3..N and marks N. The program's click regions are the same
// annular sectors (see kDial), so what is drawn is what can be clicked.

#include "families.h"
#include "paint_kit.h"
#include "skin_sink.h"
#include "style.h"

#include <QPen>
#include <QtMath>
#include <string>

namespace skingen {
namespace {

struct DialGeometry {
    QPointF centre;
    qreal inner, outer;
    int segments;
    qreal gapDegrees;
};
constexpr DialGeometry kDial{{70, 78}, 44, 66, 8, 2.4};

// Segment k spans from 180 - 22.5 k to 180 - 22.5 (k + 1) degrees, counter-clockwise
// from the right, on screen with y pointing down.
QPainterPath segmentPath(int k) {
    const qreal span = 180.0 / kDial.segments;
    const qreal start = 180.0 - span * k - kDial.gapDegrees / 2;
    const qreal sweep = -(span - kDial.gapDegrees);
    const QPointF c = kDial.centre;
    const QRectF outer(c.x() - kDial.outer, c.y() - kDial.outer, 2 * kDial.outer, 2 * kDial.outer);
    const QRectF inner(c.x() - kDial.inner, c.y() - kDial.inner, 2 * kDial.inner, 2 * kDial.inner);
    QPainterPath path;
    path.arcMoveTo(outer, start);
    path.arcTo(outer, start, sweep);
    path.arcTo(inner, start + sweep, -sweep);
    path.closeSubpath();
    return path;
}

void drawPowerGlyph(QPainter& p, QPointF c, const QColor& colour) {
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF ring(c.x() - 9, c.y() - 9, 18, 18);
    p.drawArc(ring, 120 * 16, 300 * 16);
    p.drawLine(QPointF(c.x(), c.y() - 11), QPointF(c.x(), c.y() - 2));
}

QImage dial(int selected) { // selected segment 0..7
    QImage image = blankImage(140, 84);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Quiet tick dots just outside the ring, one per segment boundary.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x44, 0x44, 0x47));
    for (int k = 0; k <= kDial.segments; ++k) {
        const qreal a = qDegreesToRadians(180.0 - 180.0 / kDial.segments * k);
        const QPointF d(kDial.centre.x() + (kDial.outer + 4) * qCos(a),
                        kDial.centre.y() - (kDial.outer + 4) * qSin(a));
        p.drawEllipse(d, 1.1, 1.1);
    }

    for (int k = 0; k < kDial.segments; ++k) {
        const QPainterPath seg = segmentPath(k);
        const QRectF box = seg.boundingRect();
        QLinearGradient fill(box.topLeft(), box.bottomLeft());
        if (k < selected) {
            fill.setColorAt(0, QColor(0x2E, 0x8C, 0xC4));
            fill.setColorAt(1, QColor(0x1E, 0x62, 0x8C));
            p.setPen(QPen(QColor(0x3E, 0x9C, 0xD4, 160), 1));
        } else if (k == selected) {
            fill.setColorAt(0, QColor(0x8A, 0xD2, 0xF8));
            fill.setColorAt(1, style::kAccent);
            p.setPen(QPen(QColor(0xB8, 0xE4, 0xFC), 1));
        } else {
            fill.setColorAt(0, QColor(0x2A, 0x2A, 0x2D));
            fill.setColorAt(1, QColor(0x20, 0x20, 0x22));
            p.setPen(QPen(style::kHairline, 1));
        }
        p.setBrush(fill);
        p.drawPath(seg);
    }

    // Hub: a recessed disc with the power symbol.
    const QPointF hub(kDial.centre.x(), kDial.centre.y() - 12);
    QRadialGradient well(hub, 20);
    well.setColorAt(0, QColor(0x1C, 0x1C, 0x1E));
    well.setColorAt(1, QColor(0x14, 0x14, 0x15));
    p.setPen(QPen(QColor(0x33, 0x33, 0x36), 1));
    p.setBrush(well);
    p.drawEllipse(hub, 17.5, 17.5);
    drawPowerGlyph(p, QPointF(hub.x(), hub.y() + 1), style::kAccentLight);
    return image;
}

} // namespace

void drawPowerDial(SkinSink& sink) {
    for (int k = 0; k < kDial.segments; ++k)
        sink.put("power_manage_" + std::to_string(k + 3) + "min.png", dial(k));
}

} // namespace skingen
