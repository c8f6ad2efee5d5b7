// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where skin images come from and how they are prepared. Skin files live under "skins/" in
// ProgramFolder; resources are compiled into the program as ":/res/<id>.png". A file or
// resource that is missing or cannot be decoded gives a null image, which draws nothing.

#include "platform/qt_colour.h"

#include <QImage>

#include <future>
#include <map>
#include <string>
#include <string_view>

namespace ferrox {

// While one lives, LoadSkinFile decodes each file once and hands out shared copies: a window
// builds dozens of controls from a handful of skins. Scoped to the building, so a skin changed
// on disk is read again by the next window, and nothing stays decoded for the program's life.
class SkinDecodeScope {
public:
    SkinDecodeScope();
    ~SkinDecodeScope();
    SkinDecodeScope(const SkinDecodeScope&) = delete;
    SkinDecodeScope& operator=(const SkinDecodeScope&) = delete;

    const QImage& Load(std::string_view relativePath);

private:
    std::map<std::string, QImage, std::less<>> decoded_;
    SkinDecodeScope* outer_;
};

// relativePath: "skins/check_nr.png" (backslashes are accepted too).
QImage LoadSkinFile(std::string_view relativePath);
QImage LoadPngResource(int id);
// A dialog frame: transparent pixels composed over opaque black.
QImage LoadFrameImage(std::string_view relativePath);
QImage LoadFrameResource(int id);
struct FrameBitmap {
    QImage image;
    Colour average = 0; // AverageColour(image)
};
// LoadFrameResource and its average colour on another thread, so a large frame is ready while
// the caller builds the rest of its window; done by get() itself when no thread can start.
std::future<FrameBitmap> LoadFrameResourceAside(int id);
// Per-channel integer average of all pixels; 0 for an empty image.
Colour AverageColour(const QImage& image);

} // namespace ferrox
