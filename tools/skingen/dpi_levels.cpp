// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// DPI level bars (empty and full; the program shows the bottom part of the full one) and
// the DPI value tiles, one strip of normal, over and selected.

#include "families.h"
#include "paint_kit.h"
#include "skin_sink.h"
#include "style.h"

namespace skingen {
namespace {

constexpr int kBarWidth = 7;
constexpr int kBarHeight = 132;

QImage emptyBar() {
    QImage image = filledImage(kBarWidth, kBarHeight, QColor(0x2C, 0x2D, 0x30));
    QPainter p(&image);
    p.fillRect(QRect(1, 1, kBarWidth - 2, kBarHeight - 2), style::kWell);
    vLine(p, 1, 1, kBarHeight - 2, QColor(0x08, 0x08, 0x09));
    return image;
}

QImage fullBar() {
    QImage image = filledImage(kBarWidth, kBarHeight, style::kAccentDeep);
    QPainter p(&image);
    QLinearGradient fill(0, 0, 0, kBarHeight);
    fill.setColorAt(0, QColor(0x7C, 0xCC, 0xF4));
    fill.setColorAt(0.5, style::kAccent);
    fill.setColorAt(1, QColor(0x24, 0x7C, 0xB4));
    p.fillRect(QRect(1, 1, kBarWidth - 2, kBarHeight - 2), fill);
    vLine(p, 2, 1, kBarHeight - 2, QColor(255, 255, 255, 60));
    return image;
}

// Wide enough for a five-digit DPI value.
constexpr int kValueWidth = 32;

QImage valueStrip() {
    QImage image = blankImage(3 * kValueWidth, 11);
    QPainter p(&image);
    const BodyLook looks[] = {
        {QColor(0x1E, 0x1E, 0x20), QColor(0x1A, 0x1A, 0x1B), QColor(0x30, 0x30, 0x33),
         Qt::transparent, Qt::transparent},
        {QColor(0x2A, 0x2B, 0x2E), QColor(0x24, 0x25, 0x27), QColor(0x5A, 0x5C, 0x60),
         Qt::transparent, Qt::transparent},
        // Selected: only the rim is blue, so the active level's value, drawn in red, stands out
        // against a dark face.
        {QColor(0x1A, 0x1C, 0x20), QColor(0x15, 0x16, 0x18), style::kAccent, Qt::transparent,
         Qt::transparent},
    };
    for (int frame = 0; frame < 3; ++frame)
        drawBody(p, QRectF(frame * kValueWidth, 0, kValueWidth, 11), 2, looks[frame]);
    return image;
}

} // namespace

void drawDpiLevels(SkinSink& sink) {
    sink.put("mouse/dpi_bar_1.png", emptyBar());
    sink.put("mouse/dpi_bar_2.png", fullBar());
    sink.put("dpi_value.png", valueStrip());
}

} // namespace skingen
