// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The profile list the chooser opens: a header row, the shown profiles in the order the opener
// gives (empty rows show and choose nothing), and the row that adds a profile. A left release
// reports (1125, wParam 2, the row's id); a right release on a profile reports wParam 11, so
// the window can open that profile's context menu.

#include "app/profile_bar_host.h"
#include "ui/wnd_popup.h"

#include <string_view>

namespace ferrox {

class CComboProfilePopup : public CWndPopup {
public:
    static constexpr WParam Chosen = 2;
    static constexpr WParam RightClicked = 11;

    // header: the skin of the header row ("skins/header2_nr.png" for the chooser).
    CComboProfilePopup(ProfileListRows rows, std::string_view header);

protected:
    void BuildItems() override;
    void DrawItems(Canvas& canvas, const QRect& clientRect) override;
    bool OnItemPress(int x, int y) override;
    void OnChoose(const MenuItem& item) override;
    void OnItemRightRelease(int x, int y) override;

private:
    bool choosable(const MenuItem& item) const;
    void drawItem(Canvas& canvas, const MenuItem& item, int position) const;

    ProfileListRows rows_;
    QImage header_;
};

} // namespace ferrox
