// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The toolkit's side of colours: the program's one colour type (base/colour.h) to and from
// Qt's.

#include "base/colour.h"

#include <QColor>

namespace ferrox {

inline QColor ToQColor(Colour c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}
inline Colour FromQColor(const QColor& c) {
    return Rgb(std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue()));
}

} // namespace ferrox
