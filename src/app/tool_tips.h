// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tooltips of the controls that show only a picture, as LanguageTable texts, and the close
// button in the corner of every skinned dialog, which is one of them.

#include "ui/control_spec.h"

namespace ferrox {

namespace Tip {
enum : int {
    Exit = 2, // the main window's close button ends the program, as the tray menu's "Exit"
    Minimise = 280,
    Close = 281,
    AddProfile = 282,
    ImportProfile = 283,
    ExportProfile = 284,
    RenameProfile = 285,
    DpiInCycle = 286,
    DpiColour = 287,
    DpiBar = 288,
    ColourSlot = 289,
    DirectionUp = 290,
    DirectionDown = 291,
    PowerDial = 292,
};
} // namespace Tip

constexpr ControlSpec CloseButton(int id, DesignRect rect) {
    return {.id = id,
            .kind = ControlKind::Image,
            .rect = rect,
            .images = {"exit_nr", "exit_ov"},
            .tipIndex = Tip::Close};
}

} // namespace ferrox
