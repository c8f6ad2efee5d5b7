// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/image_show_list.h"

#include "base/app_globals.h"

namespace ferrox {

CImageShowList::CImageShowList(WindowBase* owner, int left, int top, int right, int bottom,
                               int shown, int visible, int locked)
    : ShowListBase(owner, ListId, left, top, right, bottom, {}, shown, visible, locked) {}

void CImageShowList::LoadIcons(std::string_view release, std::string_view press,
                               std::string_view delay) {
    LoadImageFile(icons_[ReleaseIcon], release);
    LoadImageFile(icons_[PressIcon], press);
    LoadImageFile(icons_[DelayIcon], delay);
}

bool CImageShowList::OnLButtonDown(int x, int y) {
    if (locked_ || !Contains(x, y))
        return false;
    mouseState_ = MouseDown;
    // Below the last step the selection stays as it was; the step is counted from the first
    // visible row, so a scrolled list never selects past its end.
    const int row = firstRow_ + RowAt(y);
    if (row < TotalRows())
        selectedRow_ = row;
    return true;
}

bool CImageShowList::OnLButtonUp(int x, int y) {
    return ReleaseInside(x, y);
}

bool CImageShowList::OnLButtonDblClk(int x, int y) {
    if (locked_ || !Contains(x, y))
        return false;
    mouseState_ = MouseOver;
    Notify(NotifyDoubleClicked);
    return true;
}

void CImageShowList::ReleaseImages() {
    icons_.fill(QImage());
}

const QImage& CImageShowList::iconFor(const ShowListRow& row) const {
    const bool known = row.icon >= 0 && row.icon < static_cast<int>(icons_.size());
    return known ? icons_[static_cast<std::size_t>(row.icon)] : noIcon_;
}

void CImageShowList::Draw(Canvas& canvas) {
    DrawBackground(canvas);
    const double s = UiScale;
    const int rows = RowsInView();
    for (int i = 0; i < rows; ++i) {
        const int row = firstRow_ + i;
        const ShowListRow shown = rows_->Row(row);
        const QRect rect = RowRect(i);
        if (row == selectedRow_)
            canvas.FillRect(rect, SelectionColour);
        const QImage& icon = iconFor(shown);
        canvas.DrawImage(
            icon, QRect(left_ + static_cast<int>(2 * s), rect.top() + static_cast<int>(3 * s),
                        static_cast<int>(icon.width() * s), static_cast<int>(icon.height() * s)));
        const int textLeft = left_ + static_cast<int>(17 * s);
        DrawRowText(canvas, shown.text,
                    QRect(QPoint(textLeft, rect.top()), QPoint(rect.right(), rect.bottom())));
    }
}

} // namespace ferrox
