#pragma once
// The macro library as a tree list: folders with open/closed icons, macros by name, indented
// by level. Its selection is mirrored into a MacroLocation the macro manager reads.

#include "macros/macro_library.h"
#include "ui/show_list_base.h"

namespace ferrox {

class CEditShowList : public CShowListBase {
public:
    static constexpr int ListId = 2015;

    CEditShowList(WindowBase* owner, int left, int top, int right, int bottom, int shown = 1,
                  int visible = 1, int locked = 0);

    // The library shown and where the selected row's location is written (either may be null).
    void SetLibrary(MacroLibrary* library, MacroLocation* selection);
    void LoadIcons(std::string_view openFolder = "skins/foldr_open.png",
                   std::string_view closedFolder = "skins/foldr_close.png");

    int TotalRows() const override;
    void SetSelectedRow(int row) override;
    // Point of the last right click, in client coordinates (its address is the wParam of
    // NotifyRightClicked).
    const QPoint& RightClickPoint() const { return rightClickPoint_; }

    bool OnLButtonDown(int x, int y) override;
    bool OnLButtonUp(int x, int y) override;
    bool OnLButtonDblClk(int x, int y) override;
    bool OnRButtonUp(int x, int y) override;
    void ReleaseImages() override;
    void Draw(Canvas& canvas) override;

private:
    // Selects the view row under y, or clears the selection below the last row.
    void selectAt(int y);
    MacroItem* nodeOfRow(int row) const;
    void drawRow(Canvas& canvas, int viewRow) const;

    MacroLibrary* library_ = nullptr;
    MacroLocation* selection_ = nullptr;
    QImage openIcon_;
    QImage closedIcon_;
    QPoint rightClickPoint_;
};

} // namespace ferrox
