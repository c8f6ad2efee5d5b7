#include "ui/skin_images.h"

#include "base/app_globals.h"

#include <QColorSpace>
#include <QFile>
#include <QPainter>

#include <algorithm>
#include <string>

namespace ferrox {

namespace {

QString SkinPath(std::string_view relativePath) {
    std::string path(relativePath);
    std::replace(path.begin(), path.end(), '\\', '/');
    return QString::fromStdString((ProgramFolder / path).string());
}

QImage Prepared(QImage image) {
    if (image.isNull())
        return image;
    if (image.colorSpace().isValid() && image.colorSpace() != QColorSpace::SRgb)
        image.convertToColorSpace(QColorSpace::SRgb);
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage OverBlack(const QImage& image) {
    if (image.isNull())
        return image;
    QImage frame(image.size(), QImage::Format_RGB32);
    frame.fill(Qt::black);
    QPainter(&frame).drawImage(0, 0, image);
    return frame;
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
    return OverBlack(Prepared(QImage(SkinPath(relativePath))));
}

QImage LoadFrameResource(int id) {
    for (const char* extension : {"png", "bmp"}) {
        const QString path = ResourcePath(id, extension);
        if (QFile::exists(path))
            return OverBlack(Prepared(QImage(path)));
    }
    return {};
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
