// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Dialog frames (opaque bitmaps): a title band, a body and a hairline border. The program
// takes each dialog's background colour from a frame's average colour, so the frames stay
// in the graphite range as a whole.

#include "families.h"
#include "paint_kit.h"
#include "skin_sink.h"
#include "style.h"

#include <QPen>

namespace skingen {
namespace {

const QColor kBodyTop{0x1B, 0x1B, 0x1D};
const QColor kBodyBottom{0x15, 0x15, 0x16};

void drawBorder(QPainter& p, const QSize& size) {
    p.setPen(style::kHairline);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, size.width() - 1, size.height() - 1);
}

// A dialog background with a title band of titleHeight rows, on a 16-bit canvas.
QImage dialogFrame(int w, int h, int titleHeight) {
    QImage image = deepImage(w, h);
    image.fill(kBodyBottom);
    QPainter p(&image);
    QLinearGradient body(0, 0, 0, h);
    body.setColorAt(0, kBodyTop);
    body.setColorAt(1, kBodyBottom);
    p.fillRect(image.rect(), body);
    if (titleHeight > 0) {
        QLinearGradient band(0, 0, 0, titleHeight);
        band.setColorAt(0, QColor(0x25, 0x25, 0x28));
        band.setColorAt(1, QColor(0x1F, 0x1F, 0x21));
        p.fillRect(QRect(0, 0, w, titleHeight), band);
        hLine(p, 0, w - 1, titleHeight, QColor(0x0C, 0x0C, 0x0D));
        hLine(p, 0, w - 1, titleHeight + 1, QColor(0x26, 0x26, 0x28));
    }
    drawBorder(p, image.size());
    // The accent runs along the top edge and fades out towards the corners.
    QLinearGradient accent(0, 0, w, 0);
    accent.setColorAt(0, withAlpha(style::kAccent, 0));
    accent.setColorAt(0.25, style::kAccent);
    accent.setColorAt(0.75, style::kAccent);
    accent.setColorAt(1, withAlpha(style::kAccent, 0));
    p.fillRect(QRect(1, 0, w - 2, 1), accent);
    if (titleHeight > 0)
        hLine(p, 1, w - 2, 1, QColor(255, 255, 255, 12));
    return image;
}

// The panel stretched behind the main window's groups: it has no title band and nothing
// that would distort when stretched to other sizes.
QImage panelFrame() {
    QImage image = filledImage(230, 82, QColor(0x18, 0x18, 0x1A));
    QPainter p(&image);
    p.setPen(QColor(0x2C, 0x2C, 0x2F));
    p.drawRect(0, 0, 229, 81);
    return image;
}

const QRect kProgressTrack(20, 66, 389, 12);

QImage progressFrame(bool filled) {
    QImage image = dialogFrame(429, 140, 26);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF track = QRectF(kProgressTrack);
    if (filled) {
        drawBody(p, track, 3,
                 {style::kAccentLight, style::kAccentDeep, style::kAccentDeep,
                  QColor(255, 255, 255, 80), Qt::transparent});
    } else {
        drawBody(p, track, 3, wellLook());
    }
    return image;
}

// Value dialog: the common frame with a faint scale under the slider's track.
QImage dpiFrame() {
    QImage image = dialogFrame(429, 140, 30);
    QPainter p(&image);
    for (int i = 0; i <= 10; ++i) {
        const int x = 69 + i * 29;
        vLine(p, x, 80, i % 5 == 0 ? 84 : 82, style::kHairline);
    }
    return image;
}

} // namespace

void drawFrames(SkinSink& sink) {
    sink.put("Frame_Lighting_Setting.bmp", panelFrame());
    sink.put("Frame_warning.bmp", ditherTo8Bit(dialogFrame(319, 102, 26)));
    sink.put("Frame_common.bmp", ditherTo8Bit(dialogFrame(429, 140, 28)));
    sink.put("Frame_DPI.bmp", ditherTo8Bit(dpiFrame()));
    sink.put("Frame_progress_nr.bmp", ditherTo8Bit(progressFrame(false)));
    sink.put("Frame_progress_ov.bmp", ditherTo8Bit(progressFrame(true)));
    sink.put("Frame_Macro_Manager.bmp", ditherTo8Bit(dialogFrame(528, 365, 36)));
}

} // namespace skingen
