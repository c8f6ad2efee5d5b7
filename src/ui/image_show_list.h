// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A flat list of steps, one row each: an icon (release, press or delay) and the step's text.

#include "ui/show_list_base.h"

#include <array>

namespace ferrox {

class CImageShowList : public ShowListBase {
public:
    static constexpr int ListId = 2020;
    // The icons a row may name, in the order LoadIcons takes them.
    enum Icon : int { ReleaseIcon, PressIcon, DelayIcon };

    CImageShowList(WindowBase* owner, int left, int top, int right, int bottom, int shown = 1,
                   int visible = 1, int locked = 0);

    void LoadIcons(std::string_view release = "skins/macro_up.png",
                   std::string_view press = "skins/macro_down.png",
                   std::string_view delay = "skins/macro_time.png");

    bool OnLButtonDown(int x, int y) override;
    bool OnLButtonUp(int x, int y) override;
    bool OnLButtonDblClk(int x, int y) override;
    void ReleaseImages() override;
    void Draw(Canvas& canvas) override;

private:
    const QImage& iconFor(const ShowListRow& row) const;

    std::array<QImage, 3> icons_;
    QImage noIcon_;
};

} // namespace ferrox
