// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mouse_shape.h"

#include <QTransform>

namespace skingen {

QPainterPath mirrored(const QPainterPath& leftHalf) {
    return QTransform(-1, 0, 0, 1, 2 * kMouseAxis, 0).map(leftHalf);
}

QPainterPath mouseBodyPath() {
    // Right half from the nose round to the tail, then the mirror image back.
    QPainterPath right;
    right.moveTo(kMouseAxis, 3);
    right.cubicTo(152, 3, 188, 12, 197, 50);
    right.cubicTo(204, 84, 201, 140, 204, 196);
    right.cubicTo(207, 248, 213, 282, 211, 318);
    right.cubicTo(208, 364, 168, 396, kMouseAxis, 396);
    QPainterPath left = mirrored(right).toReversed();
    QPainterPath body = right;
    body.connectPath(left);
    body.closeSubpath();
    return body;
}

QPainterPath buttonRearEdge() {
    QPainterPath edge;
    edge.moveTo(4, 176);
    edge.cubicTo(40, 196, 80, 204, kMouseAxis, 204);
    edge.cubicTo(135, 204, 175, 196, 211, 176);
    return edge;
}

} // namespace skingen
