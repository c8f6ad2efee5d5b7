// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Colour palette (500 x 291) on the 0x0F0F0F ground the program ignores when picking.
// Left area (18,26)-(222,270): a grid of 12 hue columns by 12 rows from tint to shade,
// the last column grey. Right area (244,26)-(473,190): a continuous spectrum with a grey
// ramp below it. Around them: the swatch well and the red, green and blue value fields.

#include "families.h"
#include "paint_kit.h"
#include "skin_sink.h"
#include "style.h"
#include "wordmark.h"

#include <QPen>

namespace skingen {
namespace {

constexpr int kW = 500, kH = 291;
const QRect kGridArea(18, 26, 204, 244);
const QRect kSpectrumArea(244, 26, 229, 164);
constexpr int kColumns = 12, kRows = 12;

// Picked colours must never equal the ground, or a click on them would be ignored.
QColor avoidGround(QColor c) {
    if (c.rgb() == style::kPaletteGround.rgb())
        c.setRgb(0x10, 0x10, 0x10);
    return c;
}

QColor gridColour(int column, int row) {
    const qreal t = row / qreal(kRows - 1); // 0 light tint .. 1 deep shade
    if (column == kColumns - 1) {
        const int v = qRound(255 * (1 - t));
        return avoidGround(QColor(v, v, v));
    }
    const int hue = column * 360 / (kColumns - 1);
    // Rows above the middle mix towards white, rows below towards black.
    const qreal s = t < 0.45 ? 0.25 + 0.75 * t / 0.45 : 1.0;
    const qreal v = t < 0.45 ? 1.0 : 1.0 - 0.8 * (t - 0.45) / 0.55;
    return avoidGround(QColor::fromHsvF(hue / 360.0, s, v));
}

void drawGrid(QPainter& p) {
    const int cellW = kGridArea.width() / kColumns; // 17: 16 px cell, 1 px seam
    const int cellH = kGridArea.height() / kRows;   // 20: 19 px cell, 1 px seam
    for (int c = 0; c < kColumns; ++c) {
        for (int r = 0; r < kRows; ++r) {
            const QRect cell(kGridArea.left() + c * cellW, kGridArea.top() + r * cellH, cellW - 1,
                             cellH - 1);
            p.fillRect(cell, gridColour(c, r));
        }
    }
}

void drawSpectrum(QImage& image) {
    const int rampHeight = 14;
    const int spectrumHeight = kSpectrumArea.height() - rampHeight - 3;
    for (int y = 0; y < spectrumHeight; ++y) {
        const qreal t = y / qreal(spectrumHeight - 1); // white .. pure .. black
        for (int x = 0; x < kSpectrumArea.width(); ++x) {
            const qreal hue = x / qreal(kSpectrumArea.width());
            const qreal s = t < 0.5 ? t * 2 : 1.0;
            const qreal v = t < 0.5 ? 1.0 : 1.0 - (t - 0.5) * 2 * 0.92;
            image.setPixelColor(kSpectrumArea.left() + x, kSpectrumArea.top() + y,
                                avoidGround(QColor::fromHsvF(hue, s, v)));
        }
    }
    const int rampTop = kSpectrumArea.bottom() + 1 - rampHeight;
    for (int x = 0; x < kSpectrumArea.width(); ++x) {
        const int v = qRound(255.0 * (1 - x / qreal(kSpectrumArea.width() - 1)));
        for (int y = 0; y < rampHeight; ++y)
            image.setPixelColor(kSpectrumArea.left() + x, rampTop + y,
                                avoidGround(QColor(v, v, v)));
    }
}

void frameAround(QPainter& p, const QRect& area) {
    p.setPen(QColor(0x33, 0x33, 0x36));
    p.setBrush(Qt::NoBrush);
    p.drawRect(area.adjusted(-3, -3, 2, 2));
}

void drawFields(QPainter& p) {
    // Swatch well around the program's swatch (245,212)-(303,270).
    p.setPen(style::kHairline);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(243, 210, 62, 62));
    // Value fields with a channel dot each.
    const QColor channels[] = {QColor(0xE0, 0x3A, 0x3A), QColor(0x3C, 0xC0, 0x5C),
                               QColor(0x35, 0x7C, 0xDE)};
    for (int i = 0; i < 3; ++i) {
        const int top = 212 + 23 * i;
        drawBody(p, QRectF(318, top - 1, 57, 20), 3, wellLook());
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(channels[i]);
        p.drawEllipse(QPointF(311.5, top + 9), 3, 3);
        p.setRenderHint(QPainter::Antialiasing, false);
    }
}

} // namespace

void drawPalette(SkinSink& sink) {
    QImage image = filledImage(kW, kH, style::kPaletteGround);
    QPainter p(&image);
    p.setPen(style::kHairline);
    p.drawRect(0, 0, kW - 1, kH - 1);
    hLine(p, 1, kW - 2, 0, style::kAccent);
    drawGrid(p);
    drawSpectrum(image);
    frameAround(p, kGridArea);
    frameAround(p, kSpectrumArea);
    drawFields(p);
    drawWordmark(p, QPointF(18, 8), 8, QColor(0x6A, 0x6A, 0x6E), style::kAccent);
    p.end();
    sink.put("287.png", image);
}

} // namespace skingen
