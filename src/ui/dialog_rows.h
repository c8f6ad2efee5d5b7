// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rows and constants the dialogs' layout tables share, so each look is written once: the
// centred one-line text, the check box skins and the OK and Cancel buttons.

#include "platform/canvas.h"
#include "ui/control_spec.h"
#include "ui/dlg_base.h"

namespace ferrox {

// One line of text, centred both ways.
inline constexpr unsigned CentredLine = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
// One line from the left, cut short with an ellipsis where it does not fit.
inline constexpr unsigned LeftLine = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;

inline constexpr SkinNames CheckSkins{"check_nr", "check_ov", "check_dn"};
inline constexpr SkinNames SmallButtonSkins{"button2_nr", "button2_ov"};
inline constexpr SkinNames WideButtonSkins{"button3_nr", "button3_ov"};

inline constexpr int OkText = 4;
inline constexpr int CancelText = 5;

// A push button with a language text on it, centred as buttons are.
constexpr ControlSpec TextButton(int id, DesignRect rect, int textIndex,
                                 const SkinNames& skins = SmallButtonSkins,
                                 unsigned format = CentredLine) {
    return {.id = id,
            .kind = ControlKind::Image,
            .rect = rect,
            .images = skins,
            .textIndex = textIndex,
            .format = format};
}

constexpr ControlSpec OkButton(DesignRect rect, unsigned format = CentredLine) {
    return TextButton(CDlgBase::OkId, rect, OkText, SmallButtonSkins, format);
}

constexpr ControlSpec CancelButton(DesignRect rect) {
    return TextButton(CDlgBase::CancelId, rect, CancelText);
}

} // namespace ferrox
