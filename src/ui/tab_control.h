#pragma once
// A page tab. The selected page lives in MainPageIndex or SubPageIndex, so every tab of a set
// knows whether it is the selected one.

#include "ui/button_base.h"

namespace ferrox {

class CTabControl : public CButtonBase {
public:
    // Looks: the three button slots plus the selected-over look.
    enum TabLook { LookNormal = 0, LookOver = 1, LookSelected = 2, LookSelectedOver = 3 };

    using CButtonBase::CButtonBase;

    // normal, over, selected, selected-over images.
    bool LoadTabImages(std::string_view normal, std::string_view over, std::string_view selected,
                       std::string_view selectedOver);
    bool IsSelected() const;
    // The page index this tab stands for, or -1 when its ID belongs to no tab set.
    int PageIndex() const;

    bool OnLButtonDown(int x, int y) override;
    bool OnRButtonUp(int x, int y) override;
    void ReleaseImages() override;
    void Draw(Canvas& canvas) override;

protected:
    void OnClick(int, int) override;

private:
    QImage selectedOver_;
};

} // namespace ferrox
