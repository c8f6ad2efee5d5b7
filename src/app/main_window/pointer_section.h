// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pointer sections of the right column: the desktop pointer settings (speed, precision,
// scrolling, double-click speed), the lift-off distance and the key debounce.

#include "app/main_window/window_part.h"

namespace ferrox {

namespace MainId {
enum : int {
    // pointer settings
    ControlPanel = 3330,
    PointerSpeedSlider = 2043,
    PointerSpeedValue = 3130,
    Precision = 2030,
    ScrollLines = 2009,
    ScrollPages = 2010,
    ScrollSlider = 2041,
    ScrollValue = 3131,
    DoubleClickSlider = 2044,
    DoubleClickValue = 3132,
    // lift-off, debounce
    LiftLow = 3510,
    LiftHigh = 3511,
    DebounceSlider = 3530,
    DebounceValue = 3532,
};
}

class PointerSection : public WindowPart {
public:
    using WindowPart::WindowPart;

    void Bind() override;
    void Refresh(const ProfileSettings& profile) override;
    void Collect(ProfileSettings& profile) override;

private:
    void openMouseSettings();
};

} // namespace ferrox
