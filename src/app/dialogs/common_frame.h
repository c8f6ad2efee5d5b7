// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame most of the small dialogs share: 429 × 140 design units, the close button in its
// top right corner and the end buttons side by side at the bottom right.

#include "app/tool_tips.h"
#include "ui/dialog_rows.h"
#include "ui/dlg_base.h"

namespace ferrox::CommonFrame {

inline constexpr int Width = 429;
inline constexpr int Height = 140;
inline constexpr std::string_view Skin = "skins/Frame_common.bmp";
inline constexpr DesignRect Close{405, 4, 420, 19};
inline constexpr DesignRect LeftEnd{260, 110, 329, 130};
inline constexpr DesignRect RightEnd{350, 110, 419, 130};

// Close, then OK on the left and Cancel on the right.
inline constexpr ControlSpec EndRow[] = {
    CloseButton(CDlgBase::CloseId, Close),
    OkButton(LeftEnd),
    CancelButton(RightEnd),
};

// The description of a dialog on this frame, named by a language text.
constexpr DialogFrame Described(int titleText, DefaultKey enter, DefaultKey escape,
                                std::string_view skin = Skin) {
    return {.width = Width,
            .height = Height,
            .skin = skin,
            .titleText = titleText,
            .enter = enter,
            .escape = escape};
}

} // namespace ferrox::CommonFrame
