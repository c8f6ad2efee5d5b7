// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing surface every window and control paints on. Qt's backing store already buffers
// the window, so a Canvas draws straight into the paint event's painter (or into an image).

#include "platform/qt_colour.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

class QPainter;

namespace ferrox {

// Text layout flags, with the values stored and passed around by the dialogs.
enum TextFormat : unsigned {
    DT_LEFT = 0x0,
    DT_TOP = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_NOPREFIX = 0x800,
    DT_END_ELLIPSIS = 0x8000,
    DT_WORD_ELLIPSIS = 0x40000,
};

enum class Interpolation { Nearest, Smooth };

class Canvas {
public:
    explicit Canvas(QPainter& painter) : painter_(painter) {}

    QPainter& painter() { return painter_; }

    void FillRect(const QRect& rect, Colour colour);
    // A one-pixel outline just inside rect.
    void FrameRect(const QRect& rect, Colour colour);
    void SetPixel(int x, int y, Colour colour);

    // Draws the source pixels of image into dest, scaled. A null image or an empty source
    // draws nothing: a missing skin must never stop a paint.
    void DrawImage(const QImage& image, const QRect& source, const QRect& dest,
                   Interpolation mode = Interpolation::Nearest);
    void DrawImage(const QImage& image, const QRect& dest,
                   Interpolation mode = Interpolation::Nearest);

    // Transparent text in rect. Vertical centring and bottom alignment apply to single lines
    // only; word break wraps at spaces. A text too large for rect is given room first, by
    // wrapping or a smaller font (text_fit.h); only then does either ellipsis flag shorten a
    // single line.
    void DrawText(const QString& text, const QRect& rect, unsigned format, Colour colour,
                  const QFont& font);

private:
    QPainter& painter_;
};

} // namespace ferrox
