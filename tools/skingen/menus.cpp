// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Menu rows (plain and submenu), the macro list icons and the scroll-bar arrow strips.

#include "families.h"
#include "paint_kit.h"
#include "skin_sink.h"
#include "style.h"

#include <QPen>

namespace skingen {
namespace {

constexpr int kRowW = 160, kRowH = 22;

QImage menuRow(bool over, bool submenu) {
    QImage image = filledImage(kRowW, kRowH, QColor(0x1C, 0x1C, 0x1E));
    QPainter p(&image);
    if (over) {
        QLinearGradient fill(0, 0, 0, kRowH);
        fill.setColorAt(0, QColor(0x3B, 0xA8, 0xE6));
        fill.setColorAt(1, QColor(0x2C, 0x8E, 0xCA));
        p.fillRect(image.rect(), fill);
        hLine(p, 0, kRowW - 1, 0, QColor(255, 255, 255, 50));
        hLine(p, 0, kRowW - 1, kRowH - 1, style::kAccentDeep);
    } else {
        hLine(p, 0, kRowW - 1, 0, QColor(0x23, 0x23, 0x25));
        hLine(p, 0, kRowW - 1, kRowH - 1, QColor(0x15, 0x15, 0x16));
    }
    if (submenu) {
        drawChevron(p, QPointF(kRowW - 9.5, kRowH / 2.0), 8, Direction::Right,
                    over ? style::kTextBright : style::kGlyphDim, 1.5);
    }
    return image;
}

const QColor kIconLight{0xE4, 0xE4, 0xE6};
const QColor kIconOutline{0x1A, 0x1A, 0x1C};

QPen outlinePen() {
    return QPen(kIconOutline, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QImage folder(bool open) {
    QImage image = blankImage(16, 16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(outlinePen());
    QPainterPath back;
    back.moveTo(1.5, 13.5);
    back.lineTo(1.5, 3.5);
    back.lineTo(6, 3.5);
    back.lineTo(7.5, 5);
    back.lineTo(13.5, 5);
    back.lineTo(13.5, 13.5);
    back.closeSubpath();
    p.setBrush(QColor(0xA8, 0xAA, 0xAE));
    p.drawPath(back);
    QLinearGradient front(0, 6, 0, 14);
    front.setColorAt(0, kIconLight);
    front.setColorAt(1, QColor(0xC2, 0xC4, 0xC8));
    p.setBrush(front);
    if (open) {
        QPainterPath flap;
        flap.moveTo(1.5, 13.5);
        flap.lineTo(4, 7.5);
        flap.lineTo(15, 7.5);
        flap.lineTo(13.5, 13.5);
        flap.closeSubpath();
        p.drawPath(flap);
    } else {
        p.drawRoundedRect(QRectF(1.5, 6.5, 12, 7), 1, 1);
        p.setPen(Qt::NoPen);
        p.setBrush(style::kAccent);
        p.drawRect(QRectF(2, 6, 4, 1)); // a hint of the accent on the tab edge
    }
    return image;
}

// The action list draws these at x 2 and its text at x 17 (design pixels): the glyphs keep to
// the left 12 columns so the text never touches them.

// Press and release: an arrow towards or away from a key bar.
QImage arrowIcon(bool press) {
    QImage image = blankImage(14, 14);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    if (press) {
        arrow.moveTo(4, 1.5), arrow.lineTo(8, 1.5), arrow.lineTo(8, 5.5), arrow.lineTo(10.5, 5.5);
        arrow.lineTo(6, 10), arrow.lineTo(1.5, 5.5), arrow.lineTo(4, 5.5);
    } else {
        arrow.moveTo(4, 10), arrow.lineTo(8, 10), arrow.lineTo(8, 6), arrow.lineTo(10.5, 6);
        arrow.lineTo(6, 1.5), arrow.lineTo(1.5, 6), arrow.lineTo(4, 6);
    }
    arrow.closeSubpath();
    p.setPen(outlinePen());
    p.setBrush(press ? kIconLight : QColor(0xC8, 0xCA, 0xCE));
    p.drawPath(arrow);
    p.setBrush(press ? style::kAccentLight : QColor(0x8E, 0x90, 0x94));
    p.drawRoundedRect(QRectF(0.5, 11, 11, 2.5), 1, 1);
    return image;
}

QImage clockIcon() {
    QImage image = blankImage(14, 14);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(6, 7);
    p.setPen(QPen(kIconOutline, 1));
    p.setBrush(kIconLight);
    p.drawEllipse(centre, 5.5, 5.5);
    p.setPen(QPen(QColor(0x30, 0x30, 0x33), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(0, -3.5));
    p.drawLine(centre, centre + QPointF(2.7, 1.4));
    p.setPen(Qt::NoPen);
    p.setBrush(style::kAccentDeep);
    p.drawEllipse(centre, 1.2, 1.2);
    return image;
}

// A strip of three 15 x 15 frames: normal, over, pressed.
QImage arrowStrip(Direction dir) {
    QImage image = blankImage(45, 15);
    QPainter p(&image);
    const QColor fills[] = {QColor(0x1C, 0x1C, 0x1E), QColor(0x2A, 0x2B, 0x2E), style::kAccent};
    const QColor glyphs[] = {style::kGlyphDim, style::kTextBright, style::kTextBright};
    for (int f = 0; f < 3; ++f) {
        const QRect cell(f * 15, 0, 15, 15);
        p.fillRect(cell, fills[f]);
        p.setPen(f == 2 ? style::kAccentDeep : style::kHairlineSoft);
        p.drawRect(cell.adjusted(0, 0, -1, -1));
        drawChevron(p, QPointF(cell.left() + 7.5, dir == Direction::Up ? 8 : 7), 7, dir, glyphs[f],
                    1.5);
    }
    return image;
}

} // namespace

void drawMenus(SkinSink& sink) {
    sink.put("menu_nr.png", menuRow(false, false));
    sink.put("menu_ov.png", menuRow(true, false));
    sink.put("menusub_nr.png", menuRow(false, true));
    sink.put("menusub_ov.png", menuRow(true, true));
    sink.put("foldr_open.png", folder(true));
    sink.put("foldr_close.png", folder(false));
    sink.put("macro_down.png", arrowIcon(true));
    sink.put("macro_up.png", arrowIcon(false));
    sink.put("macro_time.png", clockIcon());
    sink.put("188.png", arrowStrip(Direction::Up));
    sink.put("187.png", arrowStrip(Direction::Down));
}

} // namespace skingen
