// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every control of the main window, as one table per part of the window, in creation order.
// Rectangles are design units of the 1127 × 740 surface; the contents of the right column's
// sections (layers 2..6) are given from their section's content origin and placed by the
// column layout.

#include "app/main_window/bottom_bar.h"
#include "app/main_window/dpi_section.h"
#include "app/main_window/key_column.h"
#include "app/main_window/profile_tabs.h"
#include "app/main_window/lighting_section.h"
#include "app/main_window/pointer_section.h"
#include "app/main_window/power_section.h"
#include "app/main_window/rate_section.h"
#include "ui/control_spec.h"

#include <span>

namespace ferrox {

class CDlgBase;

namespace MainId {
enum : int {
    Exit = 2001,
    Minimise = 2002,
};
}


// The text that shows a slider's value, 0 for none.
int SliderValueText(int sliderId);

struct DesignBox {
    int x, y, width, height;
};

// The frames drawn round the left column's panels: keys, macro manager, battery, power.
std::span<const DesignBox> LeftPanelFrames();

// All the tables, layer 0 first.
std::span<const ControlSpec> MainWindowLayer0();
std::span<const ControlSpec> MainWindowSections();

// Builds every control of the main window and sets what a table cannot hold: the DPI bars'
// step count, the disabled look of the keyless combos.
void BuildMainWindowControls(CDlgBase& dialog, int dpiStepCount);

} // namespace ferrox
