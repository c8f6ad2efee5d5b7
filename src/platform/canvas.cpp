// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/canvas.h"

#include "platform/text_fit.h"

#include <QPainter>

namespace ferrox {

void Canvas::FillRect(const QRect& rect, Colour colour) {
    painter_.fillRect(rect, ToQColor(colour));
}

void Canvas::FrameRect(const QRect& rect, Colour colour) {
    if (rect.isEmpty())
        return;
    const QColor c = ToQColor(colour);
    painter_.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), c);
    painter_.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), c);
    painter_.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), c);
    painter_.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), c);
}

void Canvas::SetPixel(int x, int y, Colour colour) {
    painter_.fillRect(QRect(x, y, 1, 1), ToQColor(colour));
}

void Canvas::DrawImage(const QImage& image, const QRect& source, const QRect& dest,
                       Interpolation mode) {
    const QRect src = source.intersected(image.rect());
    if (image.isNull() || src.isEmpty() || dest.isEmpty())
        return;
    painter_.save();
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, mode == Interpolation::Smooth);
    painter_.drawImage(dest, image, src);
    painter_.restore();
}

void Canvas::DrawImage(const QImage& image, const QRect& dest, Interpolation mode) {
    DrawImage(image, image.rect(), dest, mode);
}

void Canvas::DrawText(const QString& text, const QRect& rect, unsigned format, Colour colour,
                      const QFont& font) {
    if (text.isEmpty() || rect.isEmpty())
        return;
    const FittedText fitted = FitText(text, rect, format, font);
    ReportTextDrawn(text, rect, fitted);
    painter_.save();
    painter_.setFont(fitted.font);
    painter_.setPen(ToQColor(colour));
    painter_.setClipRect(rect, Qt::IntersectClip);
    painter_.drawText(rect, fitted.flags, fitted.shown);
    painter_.restore();
}

} // namespace ferrox
