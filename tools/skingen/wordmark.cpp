// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordmark.h"

#include "glyphs.h"

#include <QPen>

namespace skingen {

void drawWordmark(QPainter& p, QPointF origin, double height, const QColor& text,
                  const QColor& accent) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double h = height;
    p.setPen(QPen(accent, h * 0.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF mark[] = {{origin.x(), origin.y() + h * 0.85},
                            {origin.x() + h * 0.55, origin.y() + h * 0.15},
                            {origin.x() + h * 1.1, origin.y() + h * 0.85}};
    p.drawPolyline(mark, 3);
    p.restore();
    const double unit = h / kGlyphHeight;
    const double width = glyphsWidth("FERROX", unit);
    drawGlyphs(p, "FERROX", QPointF(origin.x() + h * 1.7 + width / 2, origin.y() + h / 2), h, text,
               std::max(1.0, h * 0.14));
}

} // namespace skingen
