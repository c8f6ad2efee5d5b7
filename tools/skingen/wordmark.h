// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>

namespace skingen {

// The product's wordmark: an accent chevron and the stroked name, `height` pixels tall,
// its top-left corner at origin.
void drawWordmark(QPainter& p, QPointF origin, double height, const QColor& text,
                  const QColor& accent);

} // namespace skingen
