// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Push buttons, window buttons, drop-down fields, section headers and profile tabs.

#include "families.h"
#include "paint_kit.h"
#include "profile_glyphs.h"
#include "skin_sink.h"
#include "style.h"

#include <QPen>
#include <string>

namespace skingen {
namespace {

constexpr qreal kButtonRadius = 3;

QImage body(int w, int h, const BodyLook& look, qreal radius = kButtonRadius) {
    QImage image = blankImage(w, h);
    QPainter p(&image);
    drawBody(p, QRectF(0, 0, w, h), radius, look);
    return image;
}

// Push buttons carry only the program's caption: normal and over looks.
void pushButtons(SkinSink& sink) {
    struct Size {
        const char* name;
        int w, h;
    };
    constexpr Size sizes[] = {{"button1", 230, 25}, {"button2", 69, 20}, {"button3", 120, 24}};
    for (const Size& s : sizes) {
        sink.put(std::string(s.name) + "_nr.png", body(s.w, s.h, raisedLook()));
        sink.put(std::string(s.name) + "_ov.png", body(s.w, s.h, raisedHoverLook()));
    }
    // The large pointer-settings button has one look for every state.
    sink.put("button4_nr.png", body(215, 45, raisedLook(), 4));
}

// The four small buttons of the profile bar, each with its own picture.
void profileButtons(SkinSink& sink) {
    struct Button {
        const char* name;
        ProfileGlyph glyph;
    };
    constexpr Button buttons[] = {{"add", ProfileGlyph::Add},
                                  {"profile_import", ProfileGlyph::Import},
                                  {"profile_export", ProfileGlyph::Export},
                                  {"profile_rename", ProfileGlyph::Rename}};
    for (const Button& b : buttons)
        for (bool over : {false, true}) {
            QImage image = body(46, 20, over ? raisedHoverLook() : raisedLook());
            QPainter p(&image);
            drawProfileGlyph(p, b.glyph, QPoint(23, 10), over ? style::kTextBright : style::kText);
            p.end();
            sink.put(std::string(b.name) + (over ? "_ov.png" : "_nr.png"), image);
        }
}

void recordDot(QImage& image, const QColor& colour, bool lit) {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(15, image.height() / 2.0);
    if (lit) {
        QRadialGradient glow(c, 8);
        glow.setColorAt(0, withAlpha(style::kRedBright, 150));
        glow.setColorAt(1, withAlpha(style::kRedBright, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(c, 8, 8);
    }
    p.setPen(QPen(QColor(0, 0, 0, 140), 1));
    p.setBrush(colour);
    p.drawEllipse(c, 4, 4);
}

void recordButton(SkinSink& sink) {
    QImage idle = body(120, 24, raisedLook());
    recordDot(idle, QColor(0xC0, 0x30, 0x30), false);
    const BodyLook recording{QColor(0x8A, 0x0E, 0x0E), style::kRedSelected,
                             QColor(0xB0, 0x24, 0x24), QColor(255, 255, 255, 30),
                             withAlpha(style::kRedBright, 60)};
    QImage active = body(120, 24, recording);
    recordDot(active, QColor(0xFF, 0x4A, 0x3A), true);
    sink.put("macro_record_nr.png", idle);
    sink.put("macro_record_dn.png", active);
}

// Close and minimise: a bare glyph, and a filled square behind it under the pointer.
void windowButton(SkinSink& sink, const char* name, bool close) {
    for (bool over : {false, true}) {
        QImage image = blankImage(15, 15);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        if (over) {
            p.setPen(Qt::NoPen);
            p.setBrush(close ? QColor(0xB3, 0x1E, 0x1E) : QColor(255, 255, 255, 36));
            p.drawRoundedRect(QRectF(0, 0, 15, 15), 3, 3);
        }
        const QColor glyph = over ? style::kTextBright : style::kText;
        if (close) {
            p.setPen(QPen(glyph, 1.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(4.5, 4.5), QPointF(10.5, 10.5));
            p.drawLine(QPointF(10.5, 4.5), QPointF(4.5, 10.5));
        } else {
            p.setRenderHint(QPainter::Antialiasing, false);
            p.fillRect(QRect(4, 10, 7, 2), glyph);
        }
        sink.put(std::string(name) + (over ? "_ov.png" : "_nr.png"), image);
    }
}

// Drop-down field: an inset well with a chevron segment at the right.
QImage comboField(int w, int h, bool over) {
    QImage image = body(w, h, over ? wellHoverLook() : wellLook(), 2);
    QPainter p(&image);
    const int segment = h;
    vLine(p, w - segment, 4, h - 5, over ? withAlpha(style::kAccent, 110) : style::kHairlineSoft);
    drawChevron(p, QPointF(w - segment / 2.0, h / 2.0 + 0.5), 7, Direction::Down,
                over ? style::kAccentLight : style::kText, 1.4);
    return image;
}

void combos(SkinSink& sink) {
    sink.put("combo2_nr.png", comboField(162, 21, false));
    sink.put("combo2_ov.png", comboField(162, 21, true));
    sink.put("combo3_nr.png", comboField(189, 25, false));
    sink.put("combo3_ov.png", comboField(189, 25, true));
}

// Header bars: a raised band; the open (checked) look gets an accent edge and underline.
QImage headerBand(int w, bool open, bool chevron) {
    const BodyLook band{QColor(0x27, 0x27, 0x29), QColor(0x1F, 0x1F, 0x21),
                        open ? QColor(0x35, 0x45, 0x50) : style::kHairlineSoft, style::kHighlight,
                        Qt::transparent};
    QImage image = body(w, 25, band, 2);
    QPainter p(&image);
    p.fillRect(QRect(1, 4, 2, 17), open ? style::kAccent : QColor(0x4A, 0x4A, 0x4C));
    if (open)
        hLine(p, 3, w - 4, 23, withAlpha(style::kAccent, 150));
    if (chevron) {
        drawChevron(p, QPointF(w - 14.5, 12.5), 8, open ? Direction::Down : Direction::Right,
                    open ? style::kAccentLight : style::kGlyphDim, 1.5);
    }
    return image;
}

void headers(SkinSink& sink) {
    sink.put("header_nr.png", headerBand(262, false, true));
    sink.put("header_ov.png", headerBand(262, true, true));
    sink.put("header2_nr.png", headerBand(230, false, false));
    sink.put("header2_ov.png", headerBand(230, true, false));
}

// Profile tabs: graphite rows; the selected profile in the deep red of the profile list.
QImage profileTab(const QColor& top, const QColor& bottom, const QColor& edge,
                  const QColor& marker) {
    QImage image = body(162, 21, {top, bottom, edge, style::kHighlight, Qt::transparent}, 2);
    QPainter p(&image);
    p.fillRect(QRect(1, 3, 2, 15), marker);
    return image;
}

void profileTabs(SkinSink& sink) {
    sink.put("profile_slot_nr.png", profileTab(QColor(31, 31, 31), QColor(27, 27, 27),
                                               style::kHairlineSoft, QColor(0x3A, 0x3A, 0x3A)));
    sink.put("profile_slot_ov.png", profileTab(QColor(58, 58, 58), QColor(50, 50, 50),
                                               style::kHairline, QColor(0x70, 0x70, 0x70)));
    sink.put("profile_slot_nr2.png", profileTab(QColor(128, 6, 6), QColor(110, 0, 0),
                                                QColor(150, 24, 24), style::kRedBright));
    sink.put("profile_slot_ov2.png", profileTab(QColor(150, 14, 14), QColor(128, 4, 4),
                                                QColor(190, 40, 40), QColor(0xFF, 0x5A, 0x4A)));
}

} // namespace

void drawButtons(SkinSink& sink) {
    pushButtons(sink);
    profileButtons(sink);
    recordButton(sink);
    windowButton(sink, "exit", true);
    windowButton(sink, "min", false);
    combos(sink);
    headers(sink);
    profileTabs(sink);
}

} // namespace skingen
