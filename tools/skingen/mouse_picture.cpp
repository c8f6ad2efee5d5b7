// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse seen from above (215 x 398), the button markers drawn over it, and the number
// badges beside the key rows. Button n's marker is placed by the program at fixed points,
// so each button below is drawn where its marker lands:
//   1 left (49,71)  2 right (162,71)  3 wheel (107,91)  4 front side (21,151)
//   5 rear side (25,200)  6 DPI up (107,141)  7 DPI down (107,176)  8 thumb (16,291)
//   9 left outer (41,124)   (marker centres in picture coordinates)

#include "families.h"
#include "glyphs.h"
#include "mouse_shape.h"
#include "paint_kit.h"
#include "skin_sink.h"
#include "style.h"

#include <QPen>
#include <QRadialGradient>
#include <string>

namespace skingen {
namespace {

const QRectF kConsole(96.5, 54, 22, 144); // recess holding the wheel and DPI buttons
const QRectF kWheel(100.5, 66, 14, 50);
const QRectF kDpiUp(101, 131, 13, 20);
const QRectF kDpiDown(101, 166, 13, 20);

struct SideButton {
    QRectF rect;
};
constexpr SideButton kSideButtons[] = {
    {{33, 109, 14, 30}}, // 9
    {{15, 135, 14, 32}}, // 4
    {{17, 184, 14, 33}}, // 5
    {{9, 274, 14, 34}},  // 8
};

QPainterPath aboveRearEdge() {
    QPainterPath region = buttonRearEdge();
    region.lineTo(kMouseWidth, 0);
    region.lineTo(0, 0);
    region.closeSubpath();
    return region;
}

QPainterPath halfPlane(bool left) {
    QPainterPath half;
    half.addRect(left ? QRectF(0, 0, kMouseAxis - 1, kMouseHeight)
                      : QRectF(kMouseAxis + 1, 0, kMouseAxis, kMouseHeight));
    return half;
}

QPainterPath flankPanel() {
    QPainterPath left;
    left.moveTo(0, 96);
    left.cubicTo(22, 100, 36, 112, 36, 150);
    left.cubicTo(36, 200, 40, 232, 10, 258);
    left.lineTo(0, 258);
    left.closeSubpath();
    return left.united(mirrored(left));
}

void drawShell(QPainter& p, const QPainterPath& body) {
    QLinearGradient base(0, 0, 0, kMouseHeight);
    base.setColorAt(0, QColor(0x2A, 0x2A, 0x2E));
    base.setColorAt(0.55, QColor(0x22, 0x22, 0x25));
    base.setColorAt(1, QColor(0x19, 0x19, 0x1B));
    p.setPen(Qt::NoPen);
    p.setBrush(base);
    p.drawPath(body);
    // The palm hump catches the light.
    QRadialGradient hump(QPointF(kMouseAxis, 285), 120);
    hump.setColorAt(0, QColor(255, 255, 255, 20));
    hump.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(hump);
    p.drawPath(body);
}

void drawButtons(QPainter& p, const QPainterPath& body) {
    const QPainterPath buttons = body.intersected(aboveRearEdge());
    for (bool left : {true, false}) {
        const QPainterPath button = buttons.intersected(halfPlane(left));
        QLinearGradient fill(0, 0, 0, 200);
        fill.setColorAt(0, QColor(0x36, 0x36, 0x3A));
        fill.setColorAt(1, QColor(0x27, 0x27, 0x2A));
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawPath(button);
        const qreal cx = left ? 55 : kMouseWidth - 55;
        QRadialGradient sheen(QPointF(cx, 40), 60);
        sheen.setColorAt(0, QColor(255, 255, 255, 26));
        sheen.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(sheen);
        p.drawPath(button);
    }
    // The seam behind the buttons and the split between them.
    p.save();
    p.setClipPath(body);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x08, 0x08, 0x09), 2));
    p.drawPath(buttonRearEdge().translated(0, 0.5));
    p.setPen(QPen(QColor(255, 255, 255, 18), 1));
    p.drawPath(buttonRearEdge().translated(0, 2.5));
    p.setPen(QPen(QColor(0x08, 0x08, 0x09), 2));
    p.drawLine(QPointF(kMouseAxis, 3), QPointF(kMouseAxis, kConsole.top() + 2));
    p.restore();
}

void drawFlanks(QPainter& p, const QPainterPath& body) {
    const QPainterPath panel = body.intersected(flankPanel());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x15, 0x15, 0x17));
    p.drawPath(panel);
    // Rubber grip: fine diagonal ribs.
    p.save();
    p.setClipPath(panel);
    p.setPen(QPen(QColor(255, 255, 255, 9), 1));
    for (qreal y = 60; y < 300; y += 4)
        p.drawLine(QPointF(0, y), QPointF(kMouseWidth, y + 40));
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 22), 1));
    p.drawPath(panel);
}

void drawRaisedKey(QPainter& p, const QRectF& r, qreal radius) {
    p.setPen(QPen(QColor(0x09, 0x09, 0x0A), 1.2));
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, QColor(0x3A, 0x3A, 0x3E));
    fill.setColorAt(1, QColor(0x26, 0x26, 0x29));
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
    p.setPen(QPen(QColor(255, 255, 255, 30), 1));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(r.left() + radius, r.top() + 1.2),
               QPointF(r.right() - radius, r.top() + 1.2));
}

void drawConsole(QPainter& p) {
    p.setPen(QPen(QColor(255, 255, 255, 16), 1));
    p.setBrush(QColor(0x0C, 0x0C, 0x0D));
    p.drawRoundedRect(kConsole, 10, 10);
    // Accent light spilling from under the wheel.
    QRadialGradient glow(kWheel.center(), 26);
    glow.setColorAt(0, withAlpha(style::kAccent, 120));
    glow.setColorAt(1, withAlpha(style::kAccent, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawRoundedRect(kConsole.adjusted(1, 1, -1, -70), 9, 9);

    QLinearGradient rubber(kWheel.topLeft(), kWheel.topRight());
    rubber.setColorAt(0, QColor(0x22, 0x22, 0x24));
    rubber.setColorAt(0.5, QColor(0x5A, 0x5B, 0x60));
    rubber.setColorAt(1, QColor(0x22, 0x22, 0x24));
    p.setPen(QPen(QColor(0x05, 0x05, 0x06), 1));
    p.setBrush(rubber);
    p.drawRoundedRect(kWheel, 6, 6);
    p.setPen(QPen(QColor(0, 0, 0, 90), 1));
    for (qreal y = kWheel.top() + 5; y < kWheel.bottom() - 3; y += 3.5)
        p.drawLine(QPointF(kWheel.left() + 2, y), QPointF(kWheel.right() - 2, y));

    drawRaisedKey(p, kDpiUp, 5);
    drawRaisedKey(p, kDpiDown, 5);
    drawChevron(p, kDpiUp.center() + QPointF(0, -0.5), 6, Direction::Up, style::kGlyphDim, 1.3);
    drawChevron(p, kDpiDown.center() + QPointF(0, 0.5), 6, Direction::Down, style::kGlyphDim, 1.3);
}

void drawEmblem(QPainter& p) {
    // A chevron mark on the palm, lit in the accent.
    const QPointF c(kMouseAxis, 300);
    QRadialGradient glow(c, 30);
    glow.setColorAt(0, withAlpha(style::kAccent, 70));
    glow.setColorAt(1, withAlpha(style::kAccent, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, 30, 30);
    p.setPen(QPen(style::kAccentLight, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF pts[] = {{c.x() - 13, c.y() + 7}, {c.x(), c.y() - 8}, {c.x() + 13, c.y() + 7}};
    p.drawPolyline(pts, 3);
    p.setPen(QPen(withAlpha(style::kAccentLight, 150), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x() - 6, c.y() + 12), QPointF(c.x() + 6, c.y() + 12));
}

void drawTailLight(QPainter& p) {
    QPainterPath tail;
    tail.moveTo(60, 379);
    tail.cubicTo(80, 389, 135, 389, 155, 379);
    p.setPen(QPen(withAlpha(style::kAccent, 70), 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tail);
    p.setPen(QPen(style::kAccentLight, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tail);
}

void drawRim(QPainter& p, const QPainterPath& body) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 120), 10));
    p.save();
    p.setClipPath(body);
    p.drawPath(body); // inner shade along the edge
    p.restore();
    // Light from the upper left catches the rim.
    QLinearGradient rim(0, 0, kMouseWidth, kMouseHeight);
    rim.setColorAt(0, QColor(255, 255, 255, 70));
    rim.setColorAt(0.5, QColor(255, 255, 255, 22));
    rim.setColorAt(1, QColor(255, 255, 255, 8));
    p.save();
    p.setClipPath(body);
    p.setPen(QPen(QBrush(rim), 3));
    p.drawPath(body);
    p.restore();
    p.setPen(QPen(QColor(0x06, 0x06, 0x07), 1.2));
    p.drawPath(body);
}

QImage mousePicture() {
    QImage image = blankImage(int(kMouseWidth), int(kMouseHeight));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath body = mouseBodyPath();
    drawShell(p, body);
    drawButtons(p, body);
    drawFlanks(p, body);
    drawConsole(p);
    for (const SideButton& b : kSideButtons)
        drawRaisedKey(p, b.rect, 7);
    drawEmblem(p);
    drawTailLight(p);
    drawRim(p, body);
    return image;
}

// Marker over the picture: an accent disc with a dark ring, readable on any part of it.
QImage marker(int n) {
    QImage image = blankImage(22, 22);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x0A, 0x0A, 0x0B, 220), 1.5));
    QRadialGradient fill(QPointF(9, 8), 13);
    fill.setColorAt(0, style::kAccentLight);
    fill.setColorAt(1, style::kAccent);
    p.setBrush(fill);
    p.drawEllipse(QPointF(11, 11), 10, 10);
    p.setPen(QPen(QColor(255, 255, 255, 140), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(11, 11), 8, 8);
    drawGlyphs(p, std::to_string(n), QPointF(11, 11), 10, Qt::white, 1.6);
    return image;
}

// Badge beside key row n.
QImage badge(int n) {
    QImage image = blankImage(21, 19);
    QPainter p(&image);
    drawBody(p, QRectF(0, 0, 21, 19), 3,
             {QColor(0x2A, 0x2A, 0x2D), QColor(0x21, 0x21, 0x23), QColor(0x3C, 0x3C, 0x40),
              style::kHighlight, Qt::transparent});
    drawGlyphs(p, std::to_string(n), QPointF(10.5, 9.5), 9, style::kText, 1.4);
    return image;
}

} // namespace

void drawMousePicture(SkinSink& sink) {
    sink.put("mouse/mouse_nr.png", mousePicture());
    for (int n = 1; n <= 9; ++n) {
        sink.put("mouse/number" + std::to_string(n) + ".png", marker(n));
        sink.put("mouse/serial_number" + std::to_string(n) + ".png", badge(n));
    }
}

} // namespace skingen
