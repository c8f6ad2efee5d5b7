// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Slider tracks (a 3 px groove, uniform along its length so it stretches cleanly) and the
// round knob.

#include "families.h"
#include "paint_kit.h"
#include "skin_sink.h"
#include "style.h"

#include <QPen>
#include <QRadialGradient>

namespace skingen {
namespace {

QImage track(int width) {
    QImage image = blankImage(width, 3);
    QPainter p(&image);
    hLine(p, 0, width - 1, 0, QColor(0x05, 0x05, 0x06));
    hLine(p, 0, width - 1, 1, QColor(0x26, 0x28, 0x2B));
    hLine(p, 0, width - 1, 2, QColor(0x3A, 0x3B, 0x3D));
    return image;
}

QImage knob() {
    QImage image = blankImage(13, 13);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, 13);
    fill.setColorAt(0, QColor(0xF2, 0xF2, 0xF3));
    fill.setColorAt(1, QColor(0xB6, 0xB8, 0xBB));
    p.setPen(QPen(QColor(0, 0, 0, 150), 1));
    p.setBrush(fill);
    p.drawEllipse(QRectF(0.5, 0.5, 12, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(style::kAccent);
    p.drawEllipse(QPointF(6.5, 6.5), 2.3, 2.3);
    return image;
}

} // namespace

void drawSliders(SkinSink& sink) {
    sink.put("Slider_bar.png", track(145));
    sink.put("Slider_bar2.png", track(185));
    sink.put("Slider_Circle.png", knob());
}

} // namespace skingen
