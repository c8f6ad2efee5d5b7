// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Report-rate tiles. The four form one rounded square: 125 top left, 1000 top right,
// 250 bottom left, 500 bottom right, with a hub across the centre for the program's text.

#include "families.h"
#include "glyphs.h"
#include "paint_kit.h"
#include "skin_sink.h"
#include "style.h"

#include <QPen>
#include <string>

namespace skingen {
namespace {

enum Corner { TopLeft, TopRight, BottomLeft, BottomRight };

struct Tile {
    const char* rate;
    int w, h;
    Corner corner;  // the tile's outer corner in the block
    QPointF origin; // the tile's top-left corner in the block
};

constexpr Tile kTiles[] = {
    {"125", 72, 71, TopLeft, {0, 0}},
    {"1000", 71, 71, TopRight, {72, 0}},
    {"250", 71, 72, BottomLeft, {0, 71}},
    {"500", 72, 72, BottomRight, {71, 71}},
};

// The read-out across the block's centre: the program writes the chosen rate into the
// rectangle (29, 63)-(114, 81) of the block, so the plate frames exactly that with a 2 px
// margin of ground that sets it apart from the tiles. Each tile draws its quarter.
const QRectF kHub(28.5, 62.5, 86, 19);
constexpr qreal kHubMargin = 2;

constexpr qreal kOuterRadius = 8;
constexpr qreal kInnerRadius = 2;

QImage tile(const Tile& t, bool selected) {
    QImage image = blankImage(t.w, t.h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const bool top = t.corner == TopLeft || t.corner == TopRight;
    const bool left = t.corner == TopLeft || t.corner == BottomLeft;
    // 1 px inset on the sides that meet other tiles leaves a 2 px seam between them.
    const QRectF r(left ? 0 : 1, top ? 0 : 1, t.w - 1, t.h - 1);
    const qreal o = kOuterRadius, i = kInnerRadius;
    const QPainterPath shape = cornerPath(
        r.adjusted(0.5, 0.5, -0.5, -0.5), t.corner == TopLeft ? o : i, t.corner == TopRight ? o : i,
        t.corner == BottomRight ? o : i, t.corner == BottomLeft ? o : i);

    QLinearGradient fill(0, 0, 0, t.h);
    fill.setColorAt(0, selected ? QColor(0x17, 0x3E, 0x58) : QColor(0x24, 0x24, 0x26));
    fill.setColorAt(1, selected ? style::kAccentShade : QColor(0x1B, 0x1B, 0x1C));
    p.setPen(QPen(selected ? style::kAccent : QColor(0x36, 0x36, 0x38), 1));
    p.setBrush(fill);
    p.drawPath(shape);

    // Digits sit towards the block's outer edge, with a small level bar below them.
    const qreal digitsY = top ? 30 : 40;
    drawGlyphs(p, t.rate, QPointF(t.w / 2.0, digitsY), 16,
               selected ? style::kTextBright : style::kText, 2.0);
    const QRectF bar(t.w / 2.0 - 9, digitsY + 13, 18, 2);
    if (selected) {
        QRadialGradient glow(bar.center(), 14);
        glow.setColorAt(0, withAlpha(style::kAccent, 110));
        glow.setColorAt(1, withAlpha(style::kAccent, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(bar.center(), 14, 6);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(bar, selected ? style::kAccentLight : style::kHairline);

    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF hub = kHub.translated(-t.origin);
    const QRectF moat = hub.adjusted(-kHubMargin, -kHubMargin, kHubMargin, kHubMargin);
    p.setPen(Qt::NoPen);
    p.setBrush(style::kGround);
    p.drawRoundedRect(moat, moat.height() / 2, moat.height() / 2);
    // A raised chip, a step lighter than the tiles, so it reads as a label and not a hole.
    QLinearGradient chip(0, hub.top(), 0, hub.bottom());
    chip.setColorAt(0, QColor(0x2A, 0x2A, 0x2D));
    chip.setColorAt(1, QColor(0x1E, 0x1E, 0x20));
    p.setPen(QPen(style::kHairline, 1));
    p.setBrush(chip);
    p.drawRoundedRect(hub, hub.height() / 2, hub.height() / 2);
    p.setPen(QPen(style::kHighlight, 1));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(hub.left() + hub.height() / 2, hub.top() + 1),
               QPointF(hub.right() - hub.height() / 2, hub.top() + 1));
    return image;
}

} // namespace

void drawReportRate(SkinSink& sink) {
    for (const Tile& t : kTiles) {
        sink.put(std::string(t.rate) + "hz_nr.png", tile(t, false));
        sink.put(std::string(t.rate) + "hz_dn.png", tile(t, true));
    }
}

} // namespace skingen
