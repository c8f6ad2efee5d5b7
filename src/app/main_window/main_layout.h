#pragma once
// Every control of the main window, as one table per part of the window, in creation order.
// Rectangles are design units of the 1127 × 740 surface; the contents of the right column's
// sections (layers 2..6) are given from their section's content origin and placed by the
// column layout.

#include "ui/control_spec.h"

#include <span>

namespace ferrox {

class CDlgBase;

namespace MainId {
enum : int {
    Exit = 2001,
    Minimise = 2002,
    KeyCombo = 2013, // ..2021, buttons 1..9
    MacroManager = 2062,
    ProfileTab = 2049, // ..2053, slots 0..4
    RenameProfile = 2068,
    ExportProfile = 2069,
    ImportProfile = 2070,
    AddProfile = 2071,
    SendAgain = 2047,
    FirmwareReset = 2045,
    ProfileChooser = 3502,
    Link = 3503,
    VersionLine = 3021,
    BatteryTitle = 3007,
    ButtonsTitle = 3008,
    ProfilesTitle = 3009,
    PowerTitle = 3010,
    ProfileMenu = 3100,
    Battery = 3406,
    BatteryText = 3405,
    PowerDial = 3500,
    PowerText = 3407,
    MoveLightingCheck = 3501,
    MotionWakeupCheck = 3504,
    // DPI section, level k at +k
    DpiBar = 3280,
    DpiValue = 3300,
    DpiRadio = 3290,
    DpiCheck = 3260,
    DpiColour = 3270,
    // report rate
    RateMenu = 3110,
    Rate125 = 3030, // ..3033
    RateText = 3142, // ..3145
    // lighting
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

inline constexpr int KeyComboCount = 9;
inline constexpr unsigned KeyComboMessage = 1028;
inline constexpr unsigned ProfileMenuMessage = 1124;
inline constexpr unsigned RateMenuMessage = 1134;
inline constexpr unsigned LightingMenuMessage = 1144;

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
