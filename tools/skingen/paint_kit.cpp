// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint_kit.h"

#include "style.h"

#include <QLinearGradient>
#include <QPen>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace skingen {

QImage blankImage(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage filledImage(int width, int height, const QColor& colour) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    return image;
}

BodyLook raisedLook() {
    return {QColor(0x2A, 0x2A, 0x2C), QColor(0x21, 0x21, 0x22), style::kHairline, style::kHighlight,
            Qt::transparent};
}

BodyLook raisedHoverLook() {
    return {QColor(0x31, 0x33, 0x36), QColor(0x27, 0x28, 0x2A), style::kAccent,
            QColor(255, 255, 255, 24), withAlpha(style::kAccent, 70)};
}

BodyLook wellLook() {
    return {QColor(0x13, 0x13, 0x14), QColor(0x18, 0x18, 0x19), style::kHairline,
            QColor(0, 0, 0, 0), Qt::transparent};
}

BodyLook wellHoverLook() {
    return {QColor(0x16, 0x18, 0x1A), QColor(0x1B, 0x1D, 0x1F), style::kAccent, QColor(0, 0, 0, 0),
            withAlpha(style::kAccent, 60)};
}

BodyLook accentLook() {
    return {style::kAccentLight, style::kAccent, style::kAccentDeep, QColor(255, 255, 255, 70),
            Qt::transparent};
}

QPainterPath hairlinePath(const QRectF& rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    return path;
}

void drawBody(QPainter& p, const QRectF& rect, qreal radius, const BodyLook& look) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0, look.top);
    fill.setColorAt(1, look.bottom);
    p.setPen(QPen(look.border, 1));
    p.setBrush(fill);
    p.drawPath(hairlinePath(rect, radius));
    if (look.glow.alpha() > 0) {
        // The glow stays inside the image: a soft ring just within the border.
        p.setPen(QPen(look.glow, 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(hairlinePath(rect.adjusted(1, 1, -1, -1), std::max<qreal>(radius - 1, 0)));
    }
    if (look.highlight.alpha() > 0) {
        const qreal inset = radius > 1 ? radius : 1;
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(look.highlight);
        const int y = int(rect.top()) + 1;
        p.drawLine(QPointF(rect.left() + inset, y), QPointF(rect.right() - inset - 1, y));
    }
    p.restore();
}

void hLine(QPainter& p, int x1, int x2, int y, const QColor& colour) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(x1, y, x2 - x1 + 1, 1), colour);
    p.restore();
}

void vLine(QPainter& p, int x, int y1, int y2, const QColor& colour) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(x, y1, 1, y2 - y1 + 1), colour);
    p.restore();
}

void drawChevron(QPainter& p, QPointF c, qreal size, Direction dir, const QColor& colour,
                 qreal width) {
    const qreal h = size / 2;
    const qreal q = size / 4;
    QPointF a, b, tip;
    switch (dir) {
    case Direction::Down:
        a = {c.x() - h, c.y() - q}, tip = {c.x(), c.y() + q}, b = {c.x() + h, c.y() - q};
        break;
    case Direction::Up:
        a = {c.x() - h, c.y() + q}, tip = {c.x(), c.y() - q}, b = {c.x() + h, c.y() + q};
        break;
    case Direction::Right:
        a = {c.x() - q, c.y() - h}, tip = {c.x() + q, c.y()}, b = {c.x() - q, c.y() + h};
        break;
    case Direction::Left:
        a = {c.x() + q, c.y() - h}, tip = {c.x() - q, c.y()}, b = {c.x() + q, c.y() + h};
        break;
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF pts[] = {a, tip, b};
    p.drawPolyline(pts, 3);
    p.restore();
}

QColor withAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

QPainterPath cornerPath(const QRectF& r, qreal tl, qreal tr, qreal br, qreal bl) {
    QPainterPath path;
    path.moveTo(r.left() + tl, r.top());
    path.lineTo(r.right() - tr, r.top());
    path.arcTo(QRectF(r.right() - 2 * tr, r.top(), 2 * tr, 2 * tr), 90, -90);
    path.lineTo(r.right(), r.bottom() - br);
    path.arcTo(QRectF(r.right() - 2 * br, r.bottom() - 2 * br, 2 * br, 2 * br), 0, -90);
    path.lineTo(r.left() + bl, r.bottom());
    path.arcTo(QRectF(r.left(), r.bottom() - 2 * bl, 2 * bl, 2 * bl), 270, -90);
    path.lineTo(r.left(), r.top() + tl);
    path.arcTo(QRectF(r.left(), r.top(), 2 * tl, 2 * tl), 180, -90);
    path.closeSubpath();
    return path;
}

QImage deepImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGBA64_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage ditherTo8Bit(const QImage& deep) {
    const QImage source = deep.convertToFormat(QImage::Format_RGBA64);
    QImage out(source.size(), QImage::Format_ARGB32);
    quint32 state = 0x2545F491u;
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgba64*>(source.constScanLine(y));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            state ^= state << 13, state ^= state >> 17, state ^= state << 5; // xorshift32
            const double noise = (state % 1024) / 1024.0 - 0.5;
            auto ch = [noise](quint16 v) {
                return std::clamp(int(std::lround(v / 257.0 + noise)), 0, 255);
            };
            line[x] = qRgba(ch(in[x].red()), ch(in[x].green()), ch(in[x].blue()), in[x].alpha8());
        }
    }
    return out;
}

} // namespace skingen
