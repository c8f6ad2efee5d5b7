// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Collects the drawn images, checks each against the skin table and writes it where the
// program looks for it.

#include "skin_table.h"

#include <QImage>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace skingen {

struct DrawnImage {
    const SkinEntry* entry;
    QImage image;
};

class SkinSink {
public:
    SkinSink(QString skinsDir, QString resourceDir);

    // Records an image under its table name; a name missing from the table or a size that
    // differs from it is an error reported by ok()/errors().
    void put(std::string_view path, const QImage& image);

    // Writes every image recorded so far; also reports table entries nobody drew.
    bool writeAll();
    // One line per table entry: place, path, width, height, frames.
    bool writeManifest(const QString& file) const;

    bool ok() const { return errors_.empty(); }
    const std::vector<std::string>& errors() const { return errors_; }
    const std::vector<DrawnImage>& images() const { return images_; }

private:
    QString targetFile(const SkinEntry& entry) const;

    QString skinsDir_;
    QString resourceDir_;
    std::vector<DrawnImage> images_;
    std::vector<std::string> errors_;
};

} // namespace skingen
