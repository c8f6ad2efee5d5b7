// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Battery gauge. All four gauge images share one 30 x 61 geometry: the program fills the
// area from row 7 to row 56 from the bottom, so the shell leaves exactly that free.
//   battery_empty    shell with an empty well (drawn first on battery power)
//   battery_full     shell with a full green fill (the fill source, and fully charged)
//   battery_charging the orange fill shown while charging
//   battery_lighting overlay: the shell outline and a charge bolt, transparent inside

#include "families.h"
#include "paint_kit.h"
#include "skin_sink.h"
#include "style.h"

#include <QPen>

namespace skingen {
namespace {

constexpr int kW = 30, kH = 61;
const QRect kFill(6, 7, 18, 50); // rows 7..56
const QColor kShell{0x9C, 0x9E, 0xA2};

void drawShell(QPainter& p) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kShell, 2));
    p.drawRoundedRect(QRectF(4, 5, 22, 54), 3, 3); // outer edge x 3..27, y 4..60
    p.setPen(Qt::NoPen);
    p.setBrush(kShell);
    p.drawRoundedRect(QRectF(11, 1, 8, 3.5), 1, 1);
    p.restore();
}

void drawWell(QPainter& p) {
    p.fillRect(QRect(5, 6, 20, 52), QColor(0x0E, 0x0E, 0x0F));
}

void drawFill(QPainter& p, const QColor& light, const QColor& dark) {
    QLinearGradient across(kFill.left(), 0, kFill.right() + 1, 0);
    across.setColorAt(0, dark);
    across.setColorAt(0.35, light);
    across.setColorAt(1, dark);
    p.fillRect(kFill, across);
    hLine(p, kFill.left(), kFill.right(), kFill.top(), withAlpha(Qt::white, 50));
}

QImage gauge(bool well, const QColor& light, const QColor& dark) {
    QImage image = blankImage(kW, kH);
    QPainter p(&image);
    if (well)
        drawWell(p);
    if (light.isValid())
        drawFill(p, light, dark);
    drawShell(p);
    return image;
}

QImage overlay() {
    QImage image = blankImage(kW, kH);
    QPainter p(&image);
    drawShell(p);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath bolt;
    bolt.moveTo(17.5, 17);
    bolt.lineTo(9.5, 34);
    bolt.lineTo(14.5, 34);
    bolt.lineTo(12, 47);
    bolt.lineTo(20.5, 28);
    bolt.lineTo(15.5, 28);
    bolt.closeSubpath();
    p.setPen(QPen(QColor(0, 0, 0, 170), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(bolt);
    return image;
}

QImage legendDot(const QColor& colour) {
    QImage image = blankImage(8, 8);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient fill(QPointF(3, 3), 5);
    fill.setColorAt(0, colour.lighter(135));
    fill.setColorAt(1, colour);
    p.setPen(QPen(colour.darker(160), 1));
    p.setBrush(fill);
    p.drawEllipse(QRectF(0.5, 0.5, 7, 7));
    return image;
}

} // namespace

void drawBattery(SkinSink& sink) {
    sink.put("battery_empty.png", gauge(true, QColor(), QColor()));
    sink.put("battery_full.png",
             gauge(true, QColor(0x5C, 0xDA, 0x78), style::kBatteryGreen.darker(130)));
    sink.put("battery_charging.png",
             gauge(true, QColor(0xFF, 0xB8, 0x50), style::kBatteryOrange.darker(125)));
    sink.put("battery_lighting.png", overlay());
    sink.put("battery_green.png", legendDot(style::kBatteryGreen));
    sink.put("battery_orange.png", legendDot(style::kBatteryOrange));
    sink.put("battery_red.png", legendDot(style::kBatteryRed));
}

} // namespace skingen
