// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The DPI section of the right column: eight levels, each switched in and out of the mouse's
// DPI cycle, its DPI set by its bar or its dialog, and its colour.

#include "app/main_window/window_part.h"
#include "ui/control_spec.h"

#include <span>
#include <string>

namespace ferrox {

namespace MainId {
enum : int {
    // level k at +k
    DpiBar = 3280,
    DpiValue = 3300,
    DpiRadio = 3290,
    DpiCheck = 3260,
    DpiColour = 3270,
};
}

// The section's controls, layer 1, in creation order.
std::span<const ControlSpec> DpiControls();
// The bars and displays offer every step of the table.
void ShowDpiStepCount(CDlgBase& window, int count);
// The DPI of a step of the step table, as a level shows it; a dash without a table.
std::wstring DpiText(int step);

class DpiSection : public WindowPart {
public:
    using WindowPart::WindowPart;

    void Bind() override;
    void Refresh(const ProfileSettings& profile) override;
private:
    void onCheck(int level);
    void onBar(int level, LParam code, WParam value);
    void openDialog(int level);
    void storeStep(int level, int step);
    // One level's bar, display and value, without the rest of the view.
    void showStep(int level, int step);

    bool barDragged_ = false;
};

} // namespace ferrox
