// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a text is set into the rectangle it is drawn in. Translations run longer than the
// English the layout was drawn for, so a text is given room before it is cut: a line too long
// for its rectangle wraps at spaces when the rectangle has the height for more lines, and
// otherwise its font shrinks, down to a floor that stays readable. Only a text that fits in
// neither way is cut (with an ellipsis when the format asks for one) or clipped.

#include <QFont>
#include <QRect>
#include <QString>

#include <functional>

namespace ferrox {

struct FittedText {
    QFont font;
    int flags = 0;    // Qt alignment and wrapping flags for QPainter::drawText
    QString shown;    // the text as drawn: elided when nothing else made it fit
    bool fits = true; // false: elided or running outside the rectangle
};

// The smallest pixel size a text may shrink to from the asked one.
int FloorPixelSize(int askedPixelSize);

// `format` takes the canvas's DT_* flags.
FittedText FitText(const QString& text, const QRect& rect, unsigned format, const QFont& font);

// Told about every text the canvas draws, as it was set; for tools and tests that check
// whether the interface's texts fit. Empty to stop.
using TextDrawProbe = std::function<void(const QString& text, const QRect& rect,
                                         const FittedText& fitted)>;
void SetTextDrawProbe(TextDrawProbe probe);
void ReportTextDrawn(const QString& text, const QRect& rect, const FittedText& fitted);

} // namespace ferrox
