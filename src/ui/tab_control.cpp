#include "ui/tab_control.h"

#include "ui/ui_state.h"

#include <array>

namespace ferrox {

namespace {

struct TabEntry {
    int id;
    int* page;
    int index;
};

const std::array<TabEntry, 12> Tabs{{
    {2049, &MainPageIndex, 0},
    {2050, &MainPageIndex, 1},
    {2051, &MainPageIndex, 2},
    {2052, &MainPageIndex, 3},
    {2053, &MainPageIndex, 4},
    {3001, &SubPageIndex, 0},
    {3002, &SubPageIndex, 1},
    {3003, &SubPageIndex, 2},
    {3004, &SubPageIndex, 3},
    {3007, &SubPageIndex, 7},
    {3008, &SubPageIndex, 8},
    {3009, &SubPageIndex, 9},
}};

const TabEntry* FindTab(int id) {
    for (const auto& tab : Tabs)
        if (tab.id == id)
            return &tab;
    return nullptr;
}

} // namespace

bool CTabControl::LoadTabImages(std::string_view normal, std::string_view over,
                                std::string_view selected, std::string_view selectedOver) {
    const bool ok = LoadImage(SlotNormal, normal);
    LoadImage(SlotOver, over);
    LoadImage(SlotDown, selected);
    LoadImageFile(selectedOver_, selectedOver);
    return ok;
}

int CTabControl::PageIndex() const {
    const TabEntry* tab = FindTab(id_);
    return tab ? tab->index : -1;
}

bool CTabControl::IsSelected() const {
    const TabEntry* tab = FindTab(id_);
    return tab && *tab->page == tab->index;
}

bool CTabControl::OnLButtonDown(int x, int y) {
    // Tabs change look on press but report only the click.
    return !locked_ && PressPointer(x, y);
}

void CTabControl::OnClick(int, int) {
    if (const TabEntry* tab = FindTab(id_))
        *tab->page = tab->index;
}

bool CTabControl::OnRButtonUp(int x, int y) {
    if (locked_ || !Contains(x, y))
        return false;
    Notify(NotifyRightClicked, static_cast<WParam>(id_));
    return false;
}

void CTabControl::ReleaseImages() {
    CButtonBase::ReleaseImages();
    selectedOver_ = QImage();
}

void CTabControl::Draw(Canvas& canvas) {
    const bool hovered = mouseState_ != MouseNormal;
    int look = hovered ? LookOver : LookNormal;
    if (IsSelected())
        look = hovered ? LookSelectedOver : LookSelected;
    if (look == LookSelectedOver && !HasStrip())
        canvas.DrawImage(selectedOver_, GetBounds());
    else
        DrawLook(canvas, look);
    DrawText(canvas, text_, NormalTextColour);
}

} // namespace ferrox
