// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin_sink.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>
#include <algorithm>

namespace skingen {
namespace {

const SkinEntry* findEntry(std::string_view path) {
    for (const SkinEntry& entry : kSkinTable) {
        if (entry.path == path)
            return &entry;
    }
    return nullptr;
}

QString qstr(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

} // namespace

SkinSink::SkinSink(QString skinsDir, QString resourceDir)
    : skinsDir_(std::move(skinsDir)), resourceDir_(std::move(resourceDir)) {}

void SkinSink::put(std::string_view path, const QImage& image) {
    const SkinEntry* entry = findEntry(path);
    if (!entry) {
        errors_.push_back("not in the skin table: " + std::string(path));
        return;
    }
    if (image.width() != entry->width || image.height() != entry->height) {
        errors_.push_back(std::string(path) + " drawn at " + std::to_string(image.width()) + "x" +
                          std::to_string(image.height()) + ", table says " +
                          std::to_string(entry->width) + "x" + std::to_string(entry->height));
        return;
    }
    const bool duplicate = std::any_of(images_.begin(), images_.end(),
                                       [&](const DrawnImage& d) { return d.entry == entry; });
    if (duplicate) {
        errors_.push_back("drawn twice: " + std::string(path));
        return;
    }
    images_.push_back({entry, image});
}

QString SkinSink::targetFile(const SkinEntry& entry) const {
    const QString& dir = entry.place == Place::Skins ? skinsDir_ : resourceDir_;
    return dir + QLatin1Char('/') + qstr(entry.path);
}

bool SkinSink::writeAll() {
    for (const SkinEntry& entry : kSkinTable) {
        const bool drawn = std::any_of(images_.begin(), images_.end(),
                                       [&](const DrawnImage& d) { return d.entry == &entry; });
        if (!drawn)
            errors_.push_back("never drawn: " + std::string(entry.path));
    }
    for (const DrawnImage& drawn : images_) {
        const QString file = targetFile(*drawn.entry);
        QDir().mkpath(QFileInfo(file).absolutePath());
        // Frames are opaque bitmaps; everything else keeps its alpha channel.
        const bool bitmap = file.endsWith(QLatin1String(".bmp"));
        const QImage out = bitmap ? drawn.image.convertToFormat(QImage::Format_RGB32)
                                  : drawn.image.convertToFormat(QImage::Format_ARGB32);
        QSaveFile save(file);
        if (!save.open(QIODevice::WriteOnly) || !out.save(&save, bitmap ? "BMP" : "PNG") ||
            !save.commit()) {
            errors_.push_back("cannot write " + file.toStdString());
        }
    }
    return ok();
}

bool SkinSink::writeManifest(const QString& file) const {
    QSaveFile save(file);
    if (!save.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&save);
    out << "# place path width height frames\n";
    for (const SkinEntry& entry : kSkinTable) {
        out << (entry.place == Place::Skins ? "skins" : "res") << ' ' << qstr(entry.path) << ' '
            << entry.width << ' ' << entry.height << ' ' << entry.frames << '\n';
    }
    out.flush();
    return save.commit();
}

} // namespace skingen
