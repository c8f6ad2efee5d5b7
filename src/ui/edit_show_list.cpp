#include "ui/edit_show_list.h"

#include "base/app_globals.h"

#include <algorithm>

namespace ferrox {

CEditShowList::CEditShowList(WindowBase* owner, int left, int top, int right, int bottom, int shown,
                             int visible, int locked)
    : CShowListBase(owner, ListId, left, top, right, bottom, {}, shown, visible, locked) {}

void CEditShowList::SetLibrary(MacroLibrary* library, MacroLocation* selection) {
    library_ = library;
    selection_ = selection;
    selectedRow_ = -1;
    firstRow_ = 0;
}

void CEditShowList::LoadIcons(std::string_view openFolder, std::string_view closedFolder) {
    LoadImageFile(openIcon_, openFolder);
    LoadImageFile(closedIcon_, closedFolder);
}

int CEditShowList::TotalRows() const {
    return library_ ? library_->VisibleRowCount() : 0;
}

MacroItem* CEditShowList::nodeOfRow(int row) const {
    if (!library_ || row < 0 || row >= TotalRows())
        return nullptr;
    return library_->NodeAt(library_->LocationOfRow(row));
}

void CEditShowList::SetSelectedRow(int row) {
    selectedRow_ = (row >= 0 && row < TotalRows()) ? row : -1;
    if (selection_)
        *selection_ = selectedRow_ >= 0 ? library_->LocationOfRow(selectedRow_) : MacroLocation{};
}

void CEditShowList::selectAt(int y) {
    const int row = RowAt(y);
    const int rowsInView = std::min(VisibleRows(), TotalRows() - firstRow_);
    SetSelectedRow(row < rowsInView ? firstRow_ + row : -1);
}

bool CEditShowList::OnLButtonDown(int x, int y) {
    if (locked_ || !Contains(x, y))
        return false;
    mouseState_ = MouseDown;
    selectAt(y);
    if (MacroItem* node = nodeOfRow(selectedRow_); node && node->MacroItemIsFolder) {
        const int stage = library_->LocationOfRow(selectedRow_).stage;
        // The folder's icon sits after one icon width of indent per level.
        if (x - left_ < openIcon_.width() * UiScale * (stage + 1))
            node->MacroItemFolderIsOpen = !node->MacroItemFolderIsOpen;
    }
    return true;
}

bool CEditShowList::OnLButtonUp(int x, int y) {
    return ReleaseInside(x, y);
}

bool CEditShowList::OnLButtonDblClk(int x, int y) {
    if (locked_ || !Contains(x, y))
        return false;
    // Only folders open and close: a macro's open flag would be written to the library file.
    if (MacroItem* node = nodeOfRow(firstRow_ + RowAt(y)); node && node->MacroItemIsFolder)
        node->MacroItemFolderIsOpen = !node->MacroItemFolderIsOpen;
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
    const MacroLocation location = library_->LocationOfRow(row);
    const MacroItem* node = library_->NodeAt(location);
    if (!node)
        return;
    const QRect rect = RowRect(viewRow);
    if (row == selectedRow_)
        canvas.FillRect(rect, SelectionColour);
    const double s = UiScale;
    const int iconWidth = openIcon_.isNull() ? closedIcon_.width() : openIcon_.width();
    const int iconHeight = openIcon_.isNull() ? closedIcon_.height() : openIcon_.height();
    int x = rect.left() + static_cast<int>((iconWidth + 3) * s * std::max(0, location.stage));
    if (node->MacroItemIsFolder) {
        const QImage& icon = node->IsOpenFolder() ? openIcon_ : closedIcon_;
        canvas.DrawImage(icon,
                         QRect(x, rect.top() + static_cast<int>(s), static_cast<int>(iconWidth * s),
                               static_cast<int>(iconHeight * s)));
        x += static_cast<int>((iconWidth + 3) * s);
    }
    DrawRowText(canvas, node->MacroItemName,
                QRect(QPoint(x, rect.top()), QPoint(rect.right(), rect.bottom())));
}

void CEditShowList::Draw(Canvas& canvas) {
    DrawBackground(canvas);
    if (!library_)
        return;
    const int rows = std::min(VisibleRows(), TotalRows() - firstRow_);
    for (int i = 0; i < rows; ++i)
        drawRow(canvas, i);
}

} // namespace ferrox
