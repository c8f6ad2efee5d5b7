// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/gallery/gallery_rows.h"

namespace ferrox::gallery {

std::vector<std::size_t> GalleryRows::shown() const {
    std::vector<std::size_t> indexes;
    int closedAt = -1; // indent of the closed folder whose contents are being skipped
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const ShowListRow& row = rows_[i];
        if (closedAt >= 0 && row.indent > closedAt)
            continue;
        closedAt = row.fold == ShowListRow::Fold::Closed ? row.indent : -1;
        indexes.push_back(i);
    }
    return indexes;
}

int GalleryRows::Count() const {
    return static_cast<int>(shown().size());
}

ShowListRow GalleryRows::Row(int row) const {
    return rows_[shown()[static_cast<std::size_t>(row)]];
}

void GalleryRows::ToggleFolder(int row) {
    ShowListRow& folder = rows_[shown()[static_cast<std::size_t>(row)]];
    folder.fold = folder.fold == ShowListRow::Fold::Open ? ShowListRow::Fold::Closed
                                                         : ShowListRow::Fold::Open;
}

} // namespace ferrox::gallery
