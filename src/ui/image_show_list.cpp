#include "ui/image_show_list.h"

#include "base/app_globals.h"
#include "macros/macro_action_text.h"

#include <algorithm>

namespace ferrox {

CImageShowList::CImageShowList(WindowBase* owner, int left, int top, int right, int bottom,
                               int shown, int visible, int locked)
    : CShowListBase(owner, ListId, left, top, right, bottom, {}, shown, visible, locked) {}

void CImageShowList::SetMacro(const MacroKey* macro) {
    macro_ = macro;
    selectedRow_ = -1;
    firstRow_ = 0;
}

void CImageShowList::LoadIcons(std::string_view release, std::string_view press,
                               std::string_view delay) {
    LoadImageFile(releaseIcon_, release);
    LoadImageFile(pressIcon_, press);
    LoadImageFile(delayIcon_, delay);
}

int CImageShowList::TotalRows() const {
    // The count comes from files: never trust it past the slots that exist.
    return macro_ ? static_cast<int>(std::min(macro_->MacroActionNum, MacroActionCapacity)) : 0;
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
    releaseIcon_ = QImage();
    pressIcon_ = QImage();
    delayIcon_ = QImage();
}

const QImage& CImageShowList::iconFor(const MacroAction& action) const {
    if (action.IsDelay())
        return delayIcon_;
    return action.b1 >= MacroReleaseFlag ? releaseIcon_ : pressIcon_;
}

void CImageShowList::Draw(Canvas& canvas) {
    DrawBackground(canvas);
    const double s = UiScale;
    const int rows = std::min(VisibleRows(), TotalRows() - firstRow_);
    for (int i = 0; i < rows; ++i) {
        const int row = firstRow_ + i;
        const MacroAction action = macro_->GetAction(static_cast<std::uint32_t>(row));
        const QRect rect = RowRect(i);
        if (row == selectedRow_)
            canvas.FillRect(rect, SelectionColour);
        const QImage& icon = iconFor(action);
        canvas.DrawImage(
            icon, QRect(left_ + static_cast<int>(2 * s), rect.top() + static_cast<int>(3 * s),
                        static_cast<int>(icon.width() * s), static_cast<int>(icon.height() * s)));
        const int textLeft = left_ + static_cast<int>(17 * s);
        DrawRowText(canvas, MacroActionText(action),
                    QRect(QPoint(textLeft, rect.top()), QPoint(rect.right(), rect.bottom())));
    }
}

} // namespace ferrox
