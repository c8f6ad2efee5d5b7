// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Application icon: the mouse in the accent on a graphite tile. Bold enough to read at
// tray size. One drawing serves the window, the tray, the skin folder and the desktop's icon
// theme (PNG at the usual sizes and SVG).

#include "app_icon.h"
#include "families.h"
#include "mouse_shape.h"
#include "paint_kit.h"
#include "skin_sink.h"
#include "style.h"

#include <QDir>
#include <QPen>
#include <QSvgGenerator>
#include <QTransform>

#include <cstdio>

namespace skingen {
namespace {

constexpr int kDesignSize = 256;
// The sizes desktops look up in hicolor; 512 serves software centres.
constexpr int kThemeSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};

// Paints the icon in a 256 x 256 design square.
void paintAppIcon(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF tile(8, 8, 240, 240);
    QLinearGradient ground(tile.topLeft(), tile.bottomLeft());
    ground.setColorAt(0, QColor(0x2B, 0x2D, 0x31));
    ground.setColorAt(1, QColor(0x14, 0x15, 0x17));
    p.setPen(QPen(QColor(255, 255, 255, 30), 2));
    p.setBrush(ground);
    p.drawRoundedRect(tile, 52, 52);

    // The mouse outline scaled into the tile, filled with the accent.
    const qreal scale = 204.0 / kMouseHeight;
    QTransform place;
    place.translate(kDesignSize / 2.0 - kMouseAxis * scale, 26);
    place.scale(scale, scale);
    const QPainterPath body = place.map(mouseBodyPath());
    QRadialGradient glow(QPointF(128, 140), 120);
    glow.setColorAt(0, withAlpha(style::kAccent, 90));
    glow.setColorAt(1, withAlpha(style::kAccent, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(128, 140), 118, 118);
    QLinearGradient fill(0, 26, 0, 230);
    fill.setColorAt(0, QColor(0x7C, 0xCC, 0xF4));
    fill.setColorAt(1, style::kAccentDeep);
    p.setBrush(fill);
    p.drawPath(body);

    // Button split, rear edge and wheel cut into the body.
    const QColor cut(0x14, 0x15, 0x17);
    p.setPen(QPen(cut, 6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(place.map(buttonRearEdge()));
    p.drawLine(place.map(QPointF(kMouseAxis, 0)), place.map(QPointF(kMouseAxis, 60)));
    p.setPen(Qt::NoPen);
    p.setBrush(cut);
    p.drawRoundedRect(place.mapRect(QRectF(92, 56, 31, 74)), 9, 9);
    p.setBrush(QColor(0xE8, 0xF6, 0xFF));
    p.drawRoundedRect(place.mapRect(QRectF(100, 66, 15, 52)), 5, 5);
}

// Drawn at its own size rather than scaled down from 256, so small sizes stay sharp.
QImage appIcon(int size) {
    QImage image = blankImage(size, size);
    QPainter p(&image);
    p.scale(qreal(size) / kDesignSize, qreal(size) / kDesignSize);
    paintAppIcon(p);
    return image;
}

bool writeSvg(const QString& file, const QString& title) {
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setSize(QSize(kDesignSize, kDesignSize));
    svg.setViewBox(QRect(0, 0, kDesignSize, kDesignSize));
    svg.setTitle(title);
    QPainter p;
    if (!p.begin(&svg))
        return false;
    paintAppIcon(p);
    return p.end();
}

bool makeFolder(const QString& folder) {
    if (QDir().mkpath(folder))
        return true;
    std::fprintf(stderr, "skingen: cannot create %s\n", qPrintable(folder));
    return false;
}

} // namespace

void drawAppIcon(SkinSink& sink) {
    const QImage icon = appIcon(kDesignSize);
    sink.put("128.png", icon);
    sink.put("ferrox.png", icon);
}

bool writeThemeIcons(const QString& hicolorDir, const QString& iconName) {
    for (int size : kThemeSizes) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(hicolorDir).arg(size);
        const QString file = folder + QLatin1Char('/') + iconName + QStringLiteral(".png");
        if (!makeFolder(folder))
            return false;
        if (!appIcon(size).save(file, "PNG")) {
            std::fprintf(stderr, "skingen: cannot write %s\n", qPrintable(file));
            return false;
        }
    }
    const QString folder = hicolorDir + QStringLiteral("/scalable/apps");
    const QString file = folder + QLatin1Char('/') + iconName + QStringLiteral(".svg");
    if (!makeFolder(folder) || !writeSvg(file, iconName)) {
        std::fprintf(stderr, "skingen: cannot write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

} // namespace skingen
