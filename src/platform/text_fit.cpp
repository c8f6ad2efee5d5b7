// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text_fit.h"

#include "platform/canvas.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <algorithm>

namespace ferrox {

namespace {

TextDrawProbe& Probe() {
    static TextDrawProbe probe;
    return probe;
}

int HorizontalAlignment(unsigned format) {
    if (format & DT_CENTER)
        return Qt::AlignHCenter;
    if (format & DT_RIGHT)
        return Qt::AlignRight;
    return Qt::AlignLeft;
}

int VerticalAlignment(unsigned format) {
    if (!(format & DT_SINGLELINE))
        return Qt::AlignTop;
    if (format & DT_VCENTER)
        return Qt::AlignVCenter;
    if (format & DT_BOTTOM)
        return Qt::AlignBottom;
    return Qt::AlignTop;
}

int PixelSizeOf(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

bool BoundsFit(const QFontMetrics& metrics, const QString& text, const QRect& rect, int flags) {
    const QRect needed = metrics.boundingRect(rect, flags, text);
    return needed.width() <= rect.width() && needed.height() <= rect.height();
}

} // namespace

int FloorPixelSize(int askedPixelSize) {
    // Seven tenths keeps a 16-pixel interface font at 11 pixels, the smallest the skins'
    // own lettering uses.
    return std::max(1, (askedPixelSize * 7 + 9) / 10);
}

FittedText FitText(const QString& text, const QRect& rect, unsigned format, const QFont& font) {
    const int aligned = HorizontalAlignment(format) | VerticalAlignment(format);
    FittedText fitted{font, aligned, text, true};
    const bool singleLine = format & DT_SINGLELINE;
    // A label wrapped for want of width stays centred on its rectangle, as its line was.
    const int wrapped = singleLine ? (HorizontalAlignment(format) | Qt::AlignVCenter |
                                      Qt::TextWordWrap)
                                   : aligned | ((format & DT_WORDBREAK) ? Qt::TextWordWrap : 0);
    const bool mayWrap = !singleLine || text.contains(u' ');
    const int asked = PixelSizeOf(font);
    for (int size = asked; size >= FloorPixelSize(asked); --size) {
        fitted.font.setPixelSize(size);
        const QFontMetrics metrics(fitted.font);
        // Measured as drawText lays it out: its line box is a little taller than the cell
        // and its width can pass the advance by the last glyph's overhang.
        if (singleLine && BoundsFit(metrics, text, rect, aligned | Qt::TextSingleLine)) {
            fitted.flags = aligned | Qt::TextSingleLine;
            return fitted;
        }
        if (mayWrap && BoundsFit(metrics, text, rect, wrapped)) {
            fitted.flags = wrapped;
            return fitted;
        }
    }
    fitted.fits = false;
    if (!singleLine) {
        fitted.flags = wrapped;
        return fitted;
    }
    // Cut at the asked size: a name cut short reads better than one cut and shrunk.
    fitted.font = font;
    fitted.flags = aligned | Qt::TextSingleLine;
    if (format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS))
        fitted.shown = QFontMetrics(fitted.font).elidedText(text, Qt::ElideRight, rect.width());
    return fitted;
}

void SetTextDrawProbe(TextDrawProbe probe) {
    Probe() = std::move(probe);
}

void ReportTextDrawn(const QString& text, const QRect& rect, const FittedText& fitted) {
    if (Probe())
        Probe()(text, rect, fitted);
}

} // namespace ferrox
