// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "contact_sheet.h"

#include "paint_kit.h"
#include "skin_sink.h"
#include "style.h"

#include <QFont>
#include <QPainter>

namespace skingen {
namespace {

constexpr int kSheetWidth = 1900;
constexpr int kGap = 14;
constexpr int kLabelHeight = 14;
constexpr int kMaxCell = 560;      // larger images are shown scaled down
constexpr int kMinCellWidth = 150; // room for the name

QSize cellImageSize(const QImage& image) {
    QSize size = image.size();
    // Small images are shown at 2x so their pixels can be judged.
    if (size.width() <= 80 && size.height() <= 80)
        return size * 2;
    if (size.width() > kMaxCell)
        return size.scaled(kMaxCell, kMaxCell, Qt::KeepAspectRatio);
    return size;
}

} // namespace

bool writeContactSheet(const SkinSink& sink, const QString& file) {
    // Lay out in rows first to know the height.
    struct Cell {
        QPoint at;
        QSize size;
        const DrawnImage* drawn;
    };
    std::vector<Cell> cells;
    int x = kGap, y = kGap, rowHeight = 0;
    for (const DrawnImage& drawn : sink.images()) {
        const QSize size = cellImageSize(drawn.image);
        const int width = std::max(size.width(), kMinCellWidth);
        if (x + width > kSheetWidth - kGap) {
            x = kGap;
            y += rowHeight + kLabelHeight + kGap;
            rowHeight = 0;
        }
        cells.push_back({QPoint(x, y), size, &drawn});
        x += width + kGap;
        rowHeight = std::max(rowHeight, size.height());
    }
    const int height = y + rowHeight + kLabelHeight + kGap;

    QImage sheet = filledImage(kSheetWidth, height, QColor(0x0B, 0x0B, 0x0C));
    QPainter p(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    p.setFont(font);
    for (const Cell& cell : cells) {
        const QRect target(cell.at, cell.size);
        p.fillRect(target.adjusted(-2, -2, 2, 2), QColor(0x16, 0x16, 0x17));
        p.setRenderHint(QPainter::SmoothPixmapTransform, cell.size.width() > kMaxCell - 1);
        p.drawImage(target, cell.drawn->image);
        p.setPen(style::kGlyphDim);
        const QString name = QString::fromUtf8(cell.drawn->entry->path.data(),
                                               qsizetype(cell.drawn->entry->path.size()));
        p.drawText(QRect(cell.at.x(), cell.at.y() + cell.size.height() + 2,
                         std::max(cell.size.width(), kMinCellWidth), kLabelHeight),
                   Qt::AlignLeft | Qt::AlignTop, name);
    }
    p.end();
    return sheet.save(file, "PNG");
}

} // namespace skingen
