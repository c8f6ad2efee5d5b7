// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sample rows for the sheet's lists. Folders open and close; the rows after a closed folder
// that are deeper than it are hidden.

#include "ui/show_list_rows.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace ferrox::gallery {

class GalleryRows : public ShowListRows {
public:
    explicit GalleryRows(std::vector<ShowListRow> rows) : rows_(std::move(rows)) {}

    int Count() const override;
    ShowListRow Row(int row) const override;
    void ToggleFolder(int row) override;

private:
    std::vector<std::size_t> shown() const;

    std::vector<ShowListRow> rows_;
};

} // namespace ferrox::gallery
