// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/edit_show_list.h"

#include "base/app_globals.h"

#include <algorithm>

namespace ferrox {

CEditShowList::CEditShowList(WindowBase* owner, int left, int top, int right, int bottom, int shown,
                             int visible, int locked)
    : ShowListBase(owner, ListId, left, top, right, bottom, {}, shown, visible, locked) {}

void CEditShowList::LoadIcons(std::string_view openFolder, std::string_view closedFolder) {
    LoadImageFile(openIcon_, openFolder);
    LoadImageFile(closedIcon_, closedFolder);
}

bool CEditShowList::isFolder(int row) const {
    return row >= 0 && row < TotalRows() && rows_->Row(row).fold != ShowListRow::Fold::None;
}

void CEditShowList::SetSelectedRow(int row) {
    selectedRow_ = (row >= 0 && row < TotalRows()) ? row : -1;
    if (rows_)
        rows_->Selected(selectedRow_);
}

void CEditShowList::selectAt(int y) {
    const int row = RowAt(y);
    SetSelectedRow(row < RowsInView() ? firstRow_ + row : -1);
}

bool CEditShowList::OnLButtonDown(int x, int y) {
    if (locked_ || !Contains(x, y))
        return false;
    mouseState_ = MouseDown;
    selectAt(y);
    if (isFolder(selectedRow_)) {
        const int indent = rows_->Row(selectedRow_).indent;
        // The folder's icon sits after one icon width of indent per level.
        if (x - left_ < openIcon_.width() * UiScale * (indent + 1))
            rows_->ToggleFolder(selectedRow_);
    }
    return true;
}

bool CEditShowList::OnLButtonUp(int x, int y) {
    return ReleaseInside(x, y);
}

bool CEditShowList::OnLButtonDblClk(int x, int y) {
    if (locked_ || !Contains(x, y))
        return false;
    if (const int row = firstRow_ + RowAt(y); isFolder(row))
        rows_->ToggleFolder(row);
    Notify(NotifyDoubleClicked);
    return true;
}

bool CEditShowList::OnRButtonUp(int x, int y) {
    if (locked_ || !Contains(x, y))
        return false;
    selectAt(y);
    mouseState_ = MouseOver;
    rightClickPoint_ = QPoint(x, y);
    Notify(NotifyRightClicked, reinterpret_cast<WParam>(&rightClickPoint_));
    return true;
}

void CEditShowList::ReleaseImages() {
    openIcon_ = QImage();
    closedIcon_ = QImage();
}

void CEditShowList::drawRow(Canvas& canvas, int viewRow) const {
    const int row = firstRow_ + viewRow;
    const ShowListRow shown = rows_->Row(row);
    const QRect rect = RowRect(viewRow);
    if (row == selectedRow_)
        canvas.FillRect(rect, SelectionColour);
    const double s = UiScale;
    const int iconWidth = openIcon_.isNull() ? closedIcon_.width() : openIcon_.width();
    const int iconHeight = openIcon_.isNull() ? closedIcon_.height() : openIcon_.height();
    int x = rect.left() + static_cast<int>((iconWidth + 3) * s * std::max(0, shown.indent));
    if (shown.fold != ShowListRow::Fold::None) {
        const QImage& icon = shown.fold == ShowListRow::Fold::Open ? openIcon_ : closedIcon_;
        canvas.DrawImage(icon,
                         QRect(x, rect.top() + static_cast<int>(s), static_cast<int>(iconWidth * s),
                               static_cast<int>(iconHeight * s)));
        x += static_cast<int>((iconWidth + 3) * s);
    }
    DrawRowText(canvas, shown.text,
                QRect(QPoint(x, rect.top()), QPoint(rect.right(), rect.bottom())));
}

void CEditShowList::Draw(Canvas& canvas) {
    DrawBackground(canvas);
    const int rows = RowsInView();
    for (int i = 0; i < rows; ++i)
        drawRow(canvas, i);
}

} // namespace ferrox
