// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/skin_images.h"

#include "base/app_globals.h"

#include <QColorSpace>
#include <QFile>

#include <algorithm>
#include <string>
#include <system_error>

namespace ferrox {

namespace {

QString SkinPath(std::string_view relativePath) {
    std::string path(relativePath);
    std::replace(path.begin(), path.end(), '\\', '/');
    return QString::fromStdString((ProgramFolder / path).string());
}

void ToSRgb(QImage& image) {
    if (image.colorSpace().isValid() && image.colorSpace() != QColorSpace::SRgb)
        image.convertToColorSpace(QColorSpace::SRgb);
}

// Converted in place: on a start-up path every fresh copy of a picture costs more than the
// conversion's arithmetic (each new page is a fault).
QImage Prepared(QImage image) {
    if (image.isNull())
        return image;
    ToSRgb(image);
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    return image;
}

// A frame is drawn as if over black: each pixel becomes its premultiplied colour, fully opaque.
// In place, as Prepared.
QImage OverBlack(QImage image) {
    if (image.isNull())
        return image;
    ToSRgb(image);
    if (!image.hasAlphaChannel()) {
        image.convertTo(QImage::Format_RGB32);
        return image;
    }
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] |= 0xFF000000u;
    }
    image.reinterpretAsFormat(QImage::Format_RGB32);
    return image;
}

QString ResourcePath(int id, const char* extension) {
    return QStringLiteral(":/res/%1.%2").arg(id).arg(QLatin1String(extension));
}

// Controls are built on the UI thread only; a worker thread never sees a scope.
thread_local SkinDecodeScope* activeScope = nullptr;

QImage DecodeSkinFile(std::string_view relativePath) {
    return Prepared(QImage(SkinPath(relativePath)));
}

} // namespace

SkinDecodeScope::SkinDecodeScope() : outer_(activeScope) {
    activeScope = this;
}

SkinDecodeScope::~SkinDecodeScope() {
    activeScope = outer_;
}

const QImage& SkinDecodeScope::Load(std::string_view relativePath) {
    auto found = decoded_.find(relativePath);
    if (found == decoded_.end())
        found = decoded_.emplace(std::string(relativePath), DecodeSkinFile(relativePath)).first;
    return found->second;
}

QImage LoadSkinFile(std::string_view relativePath) {
    if (activeScope)
        return activeScope->Load(relativePath);
    return DecodeSkinFile(relativePath);
}

QImage LoadPngResource(int id) {
    return Prepared(QImage(ResourcePath(id, "png")));
}

QImage LoadFrameImage(std::string_view relativePath) {
    return OverBlack(QImage(SkinPath(relativePath)));
}

QImage LoadFrameResource(int id) {
    for (const char* extension : {"png", "bmp"}) {
        const QString path = ResourcePath(id, extension);
        if (QFile::exists(path))
            return OverBlack(QImage(path));
    }
    return {};
}

std::future<FrameBitmap> LoadFrameResourceAside(int id) {
    const auto load = [id] {
        FrameBitmap frame{LoadFrameResource(id)};
        frame.average = AverageColour(frame.image);
        return frame;
    };
    try {
        return std::async(std::launch::async, load);
    } catch (const std::system_error&) {
        return std::async(std::launch::deferred, load);
    }
}

Colour AverageColour(const QImage& image) {
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return 0;
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    unsigned long long red = 0, green = 0, blue = 0;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            red += qRed(line[x]);
            green += qGreen(line[x]);
            blue += qBlue(line[x]);
        }
    }
    const unsigned long long count =
        static_cast<unsigned long long>(pixels.width()) * pixels.height();
    return Rgb(static_cast<std::uint8_t>(red / count), static_cast<std::uint8_t>(green / count),
               static_cast<std::uint8_t>(blue / count));
}

} // namespace ferrox
