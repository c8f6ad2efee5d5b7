// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A page tab. The selected page lives in a shared word (MainPageIndex, SubPageIndex) that the
// owning dialog hands to each tab with the page it stands for, so every tab of a set knows
// whether it is the selected one.

#include "ui/button_base.h"

namespace ferrox {

class CTabControl : public ButtonBase {
public:
    // Looks: the three button slots plus the selected-over look.
    enum TabLook { LookNormal = 0, LookOver = 1, LookSelected = 2, LookSelectedOver = 3 };

    using ButtonBase::ButtonBase;

    // normal, over, selected, selected-over images.
    bool LoadTabImages(std::string_view normal, std::string_view over, std::string_view selected,
                       std::string_view selectedOver);
    // A click stores index in *page. Without a page the tab only notifies.
    void SetPage(int* page, int index);
    bool IsSelected() const;
    // The page index this tab stands for, or -1 when it belongs to no tab set.
    int PageIndex() const { return page_ ? index_ : -1; }

    bool OnLButtonDown(int x, int y) override;
    bool OnRButtonUp(int x, int y) override;
    void ReleaseImages() override;
    void Draw(Canvas& canvas) override;

protected:
    void OnClick(int, int) override;

private:
    QImage selectedOver_;
    int* page_ = nullptr;
    int index_ = -1;
};

} // namespace ferrox
