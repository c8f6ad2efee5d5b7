// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the macro manager's controls sit on its 528 × 365 frame (design units): the library
// tree on the left, the steps of the selected macro beside it, each with its two buttons
// below, and the recording, loop and insert controls in the right-hand column.

#include "ui/control_spec.h"

#include <span>

namespace ferrox {

namespace MacroManagerId {
enum : int {
    Close = 2004,
    HiddenImport = 2010,
    HiddenExport = 2011,
    NewMacro = 2012,
    DeleteItem = 2013,
    Tree = 2015,
    RecordDelays = 2017,
    Record = 2018,
    Actions = 2020,
    TreeBar = 2021,
    ActionBar = 2022,
    ModifyAction = 2023,
    DeleteAction = 2024,
    TreeLabel = 2025,
    ActionsLabel = 2026,
    DelaysLabel = 2027,
    LoopHeldLabel = 2028,
    LoopToggleLabel = 2029,
    LoopCountLabel = 2030,
    LoopHeld = 2031,   // loop type 1
    LoopToggle = 2032, // loop type 4
    LoopCounted = 2033, // loop type 2
    LoopCount = 2034,  // the edit field
    InsertMenu = 2035,
    InsertLabel = 2036,
    Title = 2037,
};
} // namespace MacroManagerId

namespace MacroManagerLayout {
inline constexpr int DesignWidth = 528;
inline constexpr int DesignHeight = 365;
// The selection dialog shares the manager's frame.
inline constexpr std::string_view FrameSkin = "skins/Frame_Macro_Manager.bmp";
// The main window's button names the dialog, in its title band and its window title.
inline constexpr int TitleText = 8;
// The grey-bordered areas; the lists and their bars lie one unit inside.
inline constexpr DesignRect TreeArea{24, 53, 169, 324};
inline constexpr DesignRect ActionArea{189, 53, 334, 324};
inline constexpr DesignRect LoopCountRect{480, 164, 512, 183};
} // namespace MacroManagerLayout

// Every drawn control but the two lists and their bars.
std::span<const ControlSpec> MacroManagerControls();

} // namespace ferrox
