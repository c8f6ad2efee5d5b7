// Application icon: the mouse in the accent on a graphite tile. Bold enough to read at
// tray size; drawn once at 256 px for the window, the tray and the desktop file.

#include "families.h"
#include "mouse_shape.h"
#include "paint_kit.h"
#include "skin_sink.h"
#include "style.h"

#include <QPen>
#include <QTransform>

namespace skingen {
namespace {

QImage appIcon() {
    constexpr int kSize = 256;
    QImage image = blankImage(kSize, kSize);
    QPainter p(&image);
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
    place.translate(kSize / 2.0 - kMouseAxis * scale, 26);
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
    return image;
}

} // namespace

void drawAppIcon(SkinSink& sink) {
    const QImage icon = appIcon();
    sink.put("128.png", icon);
    sink.put("ferrox.png", icon);
}

} // namespace skingen
