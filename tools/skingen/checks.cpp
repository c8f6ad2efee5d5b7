// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Check boxes, radios, the DPI cycle boxes, lighting direction buttons and colour slots:
// one language of normal (quiet well), over (accent outline) and checked (accent fill).

#include "families.h"
#include "paint_kit.h"
#include "skin_sink.h"
#include "style.h"

#include <QPen>
#include <string>

namespace skingen {
namespace {

enum class Look { Normal, Over, Checked };

const QColor kBoxBorder{0x4C, 0x4C, 0x4F};

BodyLook boxLook(Look look) {
    switch (look) {
    case Look::Normal:
        return {QColor(0x12, 0x12, 0x13), QColor(0x1A, 0x1A, 0x1B), kBoxBorder, Qt::transparent,
                Qt::transparent};
    case Look::Over:
        return {QColor(0x15, 0x19, 0x1C), QColor(0x1B, 0x20, 0x24), style::kAccent, Qt::transparent,
                withAlpha(style::kAccent, 60)};
    case Look::Checked:
        break;
    }
    return accentLook();
}

void checkMark(QPainter& p, qreal size) {
    const qreal u = size / 15.0;
    const QPointF pts[] = {{3.6 * u, 7.6 * u}, {6.3 * u, 10.3 * u}, {11.4 * u, 4.6 * u}};
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, std::max(1.3, 1.8 * u), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(pts, 3);
}

QImage checkBox(int size, Look look) {
    QImage image = blankImage(size, size);
    QPainter p(&image);
    drawBody(p, QRectF(0, 0, size, size), size > 12 ? 3 : 2, boxLook(look));
    if (look == Look::Checked)
        checkMark(p, size);
    return image;
}

QImage radio(Look look) {
    QImage image = blankImage(15, 15);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const BodyLook b = boxLook(look);
    QLinearGradient fill(0, 0, 0, 15);
    fill.setColorAt(0, b.top);
    fill.setColorAt(1, b.bottom);
    p.setPen(QPen(b.border, 1));
    p.setBrush(fill);
    p.drawEllipse(QRectF(0.5, 0.5, 14, 14));
    if (look == Look::Over) {
        p.setPen(QPen(b.glow, 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(1.5, 1.5, 12, 12));
    }
    if (look == Look::Checked) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(7.5, 7.5), 2.6, 2.6);
    }
    return image;
}

// Lighting direction: a small button with a chevron up or down.
QImage directionButton(Direction dir, Look look) {
    QImage image = blankImage(29, 18);
    QPainter p(&image);
    const BodyLook b = look == Look::Normal ? raisedLook()
                       : look == Look::Over ? raisedHoverLook()
                                            : accentLook();
    drawBody(p, QRectF(0, 0, 29, 18), 3, b);
    const QColor glyph = look == Look::Normal ? style::kText : style::kTextBright;
    drawChevron(p, QPointF(14.5, dir == Direction::Up ? 9.5 : 8.5), 9, dir, glyph, 1.6);
    return image;
}

// Colour slot: a frame around the swatch the program fills 3 px inside the rectangle.
QImage colourSlot(bool selected) {
    QImage image = blankImage(21, 20);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(style::kWell);
    if (selected) {
        p.setPen(QPen(style::kAccent, 2));
        p.drawRoundedRect(QRectF(1, 1, 19, 18), 3, 3);
    } else {
        p.setPen(QPen(kBoxBorder, 1));
        p.drawPath(hairlinePath(QRectF(0, 0, 21, 20), 3));
    }
    return image;
}

struct Named {
    const char* suffix;
    Look look;
};
constexpr Named kThreeLooks[] = {
    {"_nr", Look::Normal}, {"_ov", Look::Over}, {"_dn", Look::Checked}};

} // namespace

void drawChecks(SkinSink& sink) {
    for (const Named& n : kThreeLooks) {
        sink.put(std::string("check") + n.suffix + ".png", checkBox(15, n.look));
        sink.put(std::string("check_button_dpi") + n.suffix + ".png", checkBox(11, n.look));
        sink.put(std::string("radio") + n.suffix + ".png", radio(n.look));
        // The direction buttons name their selected look "_check".
        const std::string suffix = n.look == Look::Checked ? "_check" : n.suffix;
        sink.put("up" + suffix + ".png", directionButton(Direction::Up, n.look));
        sink.put("down" + suffix + ".png", directionButton(Direction::Down, n.look));
    }
    sink.put("color_select_nr.png", colourSlot(false));
    sink.put("color_select_check.png", colourSlot(true));
}

} // namespace skingen
