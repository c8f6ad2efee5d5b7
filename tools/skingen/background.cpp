// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Main window background (1127 x 740): a quiet graphite surface with a title strip, faint
// column separators, a soft light behind the mouse picture and the wordmark in a corner.

#include "families.h"
#include "paint_kit.h"
#include "skin_sink.h"
#include "style.h"
#include "wordmark.h"

#include <QPen>
#include <QRadialGradient>

namespace skingen {
namespace {

constexpr int kW = 1127, kH = 740;
constexpr int kTitleBottom = 30;
constexpr int kFooterTop = 690;
constexpr int kLeftSeparator = 283;
constexpr int kRightSeparator = 829;
const QPointF kStageCentre(564.5, 372);

void fadingVLine(QPainter& p, int x, int y1, int y2) {
    QLinearGradient g(0, y1, 0, y2);
    g.setColorAt(0, withAlpha(QColor(0x2E, 0x2E, 0x31), 0));
    g.setColorAt(0.15, QColor(0x2E, 0x2E, 0x31));
    g.setColorAt(0.85, QColor(0x2E, 0x2E, 0x31));
    g.setColorAt(1, withAlpha(QColor(0x2E, 0x2E, 0x31), 0));
    p.fillRect(QRect(x, y1, 1, y2 - y1), g);
    p.fillRect(QRect(x + 1, y1, 1, y2 - y1), QColor(0, 0, 0, 60));
}

void drawGround(QPainter& p) {
    QLinearGradient ground(0, 0, 0, kH);
    ground.setColorAt(0, QColor(0x17, 0x17, 0x19));
    ground.setColorAt(1, style::kWell);
    p.fillRect(QRect(0, 0, kW, kH), ground);
    // Light behind the mouse, then a vignette towards the corners.
    QRadialGradient stage(kStageCentre, 330);
    stage.setColorAt(0, QColor(0x2A, 0x31, 0x38, 150));
    stage.setColorAt(0.6, QColor(0x22, 0x26, 0x2A, 40));
    stage.setColorAt(1, QColor(0x20, 0x20, 0x22, 0));
    p.fillRect(QRect(0, 0, kW, kH), stage);
    QRadialGradient vignette(QPointF(kW / 2.0, kH / 2.0), 720);
    vignette.setColorAt(0.55, QColor(0, 0, 0, 0));
    vignette.setColorAt(1, QColor(0, 0, 0, 110));
    p.fillRect(QRect(0, 0, kW, kH), vignette);
}

void drawStageFloor(QPainter& p) {
    // A soft contact shadow under the mouse picture (457,171 - 672,569).
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shadow(QPointF(0, 0), 1);
    shadow.setColorAt(0, QColor(0, 0, 0, 120));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.translate(kStageCentre.x(), kStageCentre.y() + 12);
    p.scale(130, 230);
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(0, 0), 1, 1);
    p.restore();
    // A thin ring on the floor, the product's stage.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(withAlpha(style::kAccent, 34), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(kStageCentre.x(), 548), 170, 26);
    p.setPen(QPen(withAlpha(style::kAccent, 16), 1));
    p.drawEllipse(QPointF(kStageCentre.x(), 548), 210, 34);
    p.restore();
}

void drawBands(QPainter& p) {
    p.fillRect(QRect(0, 0, kW, kTitleBottom), QColor(0, 0, 0, 70));
    hLine(p, 0, kW - 1, kTitleBottom, QColor(0x2A, 0x2A, 0x2D));
    hLine(p, 0, kW - 1, kTitleBottom + 1, QColor(0, 0, 0, 90));
    p.fillRect(QRect(0, kFooterTop, kW, kH - kFooterTop), QColor(0, 0, 0, 60));
    hLine(p, 0, kW - 1, kFooterTop, QColor(0x26, 0x26, 0x29));
    fadingVLine(p, kLeftSeparator, 44, kFooterTop - 10);
    fadingVLine(p, kRightSeparator, 44, kFooterTop - 10);
    p.setPen(style::kHairline);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, kW - 1, kH - 1);
}

} // namespace

void drawBackground(SkinSink& sink) {
    QImage deep = deepImage(kW, kH);
    deep.fill(style::kGround);
    QPainter p(&deep);
    drawGround(p);
    drawStageFloor(p);
    drawBands(p);
    drawWordmark(p, QPointF(36, 11), 9, style::kText, style::kAccent);
    p.end();
    sink.put("364.png", ditherTo8Bit(deep));
}

} // namespace skingen
