// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lighting section of the right column: the mode list, speed and brightness, the direction
// and the colour slots, each shown as far as the chosen mode has it.

#include "app/main_window/window_part.h"

namespace ferrox {

namespace MainId {
enum : int {
    LightingMenu = 3120,
    BrightnessLabel = 3162,
    BrightnessTrack = 3191,
    BrightnessSlider = 3220,
    BrightnessValue = 3230,
    SpeedLabel = 3163,
    SpeedTrack = 3190,
    SpeedSlider = 3200,
    SpeedValue = 3210,
    ColourLabel = 3161,
    ColourSlot = 3180, // ..3187
    DirectionLabel = 3164,
    DirectionUp = 3240,
    DirectionDown = 3250,
};
}

inline constexpr unsigned LightingMenuMessage = 1144;

class LightingSection : public WindowPart {
public:
    using WindowPart::WindowPart;

    // The single-click wait of the colour slots: the desktop's double-click interval.
    static int ColourClickMilliseconds();

    void Bind() override;
    void Refresh(const ProfileSettings& profile) override;
    void Collect(ProfileSettings& profile) override;
    // The window's double click starts, and its left button comes up.
    void DoubleClickStarted() { inDoubleClick_ = true; }
    void ButtonReleased();

private:
    void onModeChosen(LParam result);
    void onSlotClicked(int slot);
    void onSlotDoubleClicked(int slot);
    void onSlotTimer(int slot);
    void openSlotPalette();
    // The slot shows the profile's mark again, not its own toggle.
    void showMark(int slot);

    bool inDoubleClick_ = false; // between the double-click and its release
    int paletteSlot_ = -1;       // the colour slot whose palette opens with that release
};

} // namespace ferrox
