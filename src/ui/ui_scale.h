// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Design coordinates become window pixels by multiplying with UiScale and truncating.

#include "base/app_globals.h"
#include "ui/control_spec.h"

#include <QRect>

namespace ferrox {

inline int Scaled(double design) {
    return static_cast<int>(design * UiScale);
}

// A rectangle given by its design edges (right and bottom exclusive), scaled edge by edge.
inline QRect ScaledRect(int left, int top, int right, int bottom) {
    return QRect(QPoint(Scaled(left), Scaled(top)), QPoint(Scaled(right) - 1, Scaled(bottom) - 1));
}

inline QRect ScaledRect(const DesignRect& rect) {
    return ScaledRect(rect.left, rect.top, rect.right, rect.bottom);
}

} // namespace ferrox
