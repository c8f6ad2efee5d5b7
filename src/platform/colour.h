#pragma once
// Colours travel as 0x00BBGGRR words (red in the low byte), the form every stored and described
// colour value of the program uses.

#include "settings/colour.h"

#include <QColor>

#include <cstdint>

namespace ferrox {

using ColorRef = Colour;

constexpr ColorRef MakeColorRef(int red, int green, int blue) {
    return static_cast<ColorRef>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

inline QColor ToQColor(ColorRef c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}
inline ColorRef FromQColor(const QColor& c) {
    return MakeColorRef(c.red(), c.green(), c.blue());
}

} // namespace ferrox
