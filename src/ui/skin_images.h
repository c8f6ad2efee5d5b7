#pragma once
// Where skin images come from and how they are prepared. Skin files live under "skins/" in
// ProgramFolder; resources are compiled into the program as ":/res/<id>.png". A file or
// resource that is missing or cannot be decoded gives a null image, which draws nothing.

#include "platform/qt_colour.h"

#include <QImage>

#include <string_view>

namespace ferrox {

// relativePath: "skins/check_nr.png" (backslashes are accepted too).
QImage LoadSkinFile(std::string_view relativePath);
QImage LoadPngResource(int id);
// A dialog frame: transparent pixels composed over opaque black.
QImage LoadFrameImage(std::string_view relativePath);
QImage LoadFrameResource(int id);
// Per-channel integer average of all pixels; 0 for an empty image.
Colour AverageColour(const QImage& image);

} // namespace ferrox
