// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window/main_layout.h"

#include "app/main_window/desktop_links.h"
#include "app/main_window/section_column.h"
#include "app/tool_tips.h"
#include "ui/combo_button.h"
#include "ui/control_factory.h"
#include "ui/dialog_rows.h"
#include "ui/dlg_base.h"

#include "app/control_bindings.h"

#include <array>
#include <vector>

// The build defines it; the version line shows what --version prints, so a fault report
// names the program that was run.
#ifndef FERROX_VERSION
#define FERROX_VERSION "0"
#endif

namespace ferrox {
namespace {

using K = ControlKind;

constexpr SkinNames kHeader2{"header2_nr", "header2_nr", "header2_ov"};
constexpr SkinNames kHeader{"header_nr", "header_nr", "header_ov"};
constexpr SkinNames kRadio{"radio_nr", "radio_ov", "radio_dn"};
constexpr SkinNames kButton2{"button2_nr", "button2_ov"};
constexpr SkinNames kCombo2{"combo2_nr", "combo2_ov"};
constexpr SkinNames kSlider{"Slider_Circle"};
constexpr FontSpec kValueFont{L"Tahoma", 16};
constexpr FontSpec kHeaderFont{{}, 12};
constexpr unsigned kCentre = 1;
constexpr unsigned kVCentre = 4;
constexpr ControlFlags kLockedTitle{.locked = true};
constexpr ControlFlags kHidden{.visible = false};
constexpr ControlFlags kHiddenTitle{.visible = false, .locked = true};


constexpr std::array<int, KeyComboCount> kKeyRowTops{81, 111, 140, 169, 198, 227, 256, 285, 314};
constexpr std::array<std::string_view, KeyComboCount> kSerialNumbers{
    "mouse/serial_number1", "mouse/serial_number2", "mouse/serial_number3",
    "mouse/serial_number4", "mouse/serial_number5", "mouse/serial_number6",
    "mouse/serial_number7", "mouse/serial_number8", "mouse/serial_number9"};

// Title bar, button panel.
constexpr ControlSpec kTitleAndButtons[] = {
    {.id = MainId::Exit, .kind = K::Image, .rect = {1092, 12, 1107, 27},
     .images = {"exit_nr", "exit_ov"}, .tipIndex = Tip::Exit},
    {.id = MainId::Minimise, .kind = K::Image, .rect = {1072, 12, 1087, 27},
     .images = {"min_nr", "min_ov"}, .tipIndex = Tip::Minimise},
    {.id = MainId::ButtonsTitle, .kind = K::Check, .rect = {36, 37, 266, 62},
     .images = kHeader2, .textIndex = 9, .font = kHeaderFont, .format = kCentre,
     .flags = kLockedTitle},
};

constexpr std::array<ControlSpec, 2 * KeyComboCount> KeyRows() {
    std::array<ControlSpec, 2 * KeyComboCount> rows{};
    for (int n = 0; n < KeyComboCount; ++n) {
        const int y = kKeyRowTops[std::size_t(n)];
        rows[std::size_t(n)] = {3400, K::StaticImage, {52, y + 1, 73, y + 20},
                                {kSerialNumbers[std::size_t(n)]}};
        rows[std::size_t(KeyComboCount + n)] = {
            .id = MainId::KeyCombo + n, .kind = K::Combo, .rect = {82, y, 244, y + 21},
            .images = kCombo2, .text = L"Disable", .format = kCentre,
            .message = KeyComboMessage};
    }
    return rows;
}

// The key frame holds all nine rows, so the macro manager sits below it.
constexpr DesignBox kLeftFrames[] = {
    {36, 62, 230, 281},
    {36, 346, 230, 35},
    {36, 423, 230, 82},
    {36, 550, 230, 146},
};

// Macro manager, battery panel, power panel, mouse picture.
constexpr ControlSpec kLeftPanels[] = {
    {.id = MainId::MacroManager, .kind = K::Image, .rect = {36, 351, 266, 376},
     .images = {"button1_nr", "button1_ov"}, .textIndex = 8, .format = kCentre},
    {.id = MainId::BatteryTitle, .kind = K::Check, .rect = {36, 398, 266, 423},
     .images = kHeader2, .textIndex = 15, .font = kHeaderFont, .format = kCentre,
     .flags = kLockedTitle},
    // The tabs and the chooser offer the profiles; this title and menu share the battery
    // title's place and stay hidden.
    {.id = MainId::ProfilesTitle, .kind = K::Check, .rect = {36, 398, 266, 423},
     .images = kHeader2, .textIndex = 10, .font = kHeaderFont, .format = kCentre,
     .flags = kHiddenTitle},
    {.id = MainId::ProfileMenu, .kind = K::Combo, .rect = {42, 400, 204, 421},
     .images = kCombo2, .text = L"Disable", .format = kCentre, .flags = kHidden,
     .message = ProfileMenuMessage},
    // The legend sits inside the panel's frame, which ends at x 266: the gauge and its
    // percentage move left to give the longest label room.
    {MainId::Battery, K::Battery, {58, 433, 88, 494},
     {"battery_full", "battery_empty", "battery_charging", "battery_lighting"}},
    {.id = MainId::BatteryText, .kind = K::StaticText, .rect = {92, 480, 132, 498},
     .text = L"100%", .font = {L"Tahoma", 12}},
    {3401, K::StaticImage, {140, 441, 148, 449}, {"battery_green"}},
    {3401, K::StaticImage, {140, 462, 148, 470}, {"battery_orange"}},
    {3401, K::StaticImage, {140, 484, 148, 492}, {"battery_red"}},
    {.id = 3402, .kind = K::StaticText, .rect = {154, 439, 262, 457}, .textIndex = 16},
    {.id = 3402, .kind = K::StaticText, .rect = {154, 460, 262, 478}, .textIndex = 17},
    {.id = 3402, .kind = K::StaticText, .rect = {154, 482, 262, 500}, .textIndex = 18},
    {.id = MainId::PowerTitle, .kind = K::Check, .rect = {36, 525, 266, 550},
     .images = kHeader2, .textIndex = 265, .font = kHeaderFont, .format = kCentre,
     .flags = kLockedTitle},
    {.id = MainId::PowerDial, .kind = K::PowerDial, .rect = {81, 550, 221, 634},
     .images = {"power_manage_3min", "power_manage_4min", "power_manage_5min",
                "power_manage_6min", "power_manage_7min", "power_manage_8min",
                "power_manage_9min", "power_manage_10min"},
     .tipIndex = Tip::PowerDial},
    // The time and the two rows close up under the dial, so the last row ends clear of the
    // frame's bottom border (at its described place it lay on it).
    {.id = MainId::PowerText, .kind = K::StaticText, .rect = {36, 634, 266, 652},
     .format = kCentre},
    {MainId::MoveLightingCheck, K::Check, {50, 655, 65, 670}, CheckSkins},
    {.id = 3402, .kind = K::StaticText, .rect = {70, 654, 264, 672}, .textIndex = 268},
    {MainId::MotionWakeupCheck, K::Check, {50, 674, 65, 689}, CheckSkins},
    {.id = 3402, .kind = K::StaticText, .rect = {70, 673, 264, 691}, .textIndex = 274},
    {3400, K::StaticImage, {457, 171, 672, 569}, {"mouse/mouse_nr"}},
};

// The profile bar: tabs and the add button are moved by the bar's layout. The import, export
// and rename buttons sit under the tabs: at their described place they lay over the power dial.
constexpr std::array<ControlSpec, 9> ProfileBar() {
    std::array<ControlSpec, 9> bar{};
    for (int s = 0; s < 5; ++s)
        bar[std::size_t(s)] = {.id = MainId::ProfileTab + s, .kind = K::Tab,
                               .rect = {50, 430 + 25 * s, 212, 451 + 25 * s},
                               .images = {"profile_slot_nr", "profile_slot_ov",
                                          "profile_slot_nr2", "profile_slot_ov2"},
                               .format = kCentre};
    bar[5] = {.id = MainId::AddProfile, .kind = K::Image, .rect = {50, 550, 96, 570},
              .images = {"add_nr", "add_ov"}, .tipIndex = Tip::AddProfile};
    bar[6] = {.id = MainId::ImportProfile, .kind = K::Image, .rect = {300, 610, 346, 630},
              .images = {"profile_import_nr", "profile_import_ov"},
              .tipIndex = Tip::ImportProfile};
    bar[7] = {.id = MainId::ExportProfile, .kind = K::Image, .rect = {358, 610, 404, 630},
              .images = {"profile_export_nr", "profile_export_ov"},
              .tipIndex = Tip::ExportProfile};
    bar[8] = {.id = MainId::RenameProfile, .kind = K::Image, .rect = {416, 610, 462, 630},
              .images = {"profile_rename_nr", "profile_rename_ov"},
              .tipIndex = Tip::RenameProfile};
    return bar;
}

// Section headers at their places with DPI and lighting open; the column layout moves them.
std::array<ControlSpec, SectionCount> Headers() {
    std::array<ControlSpec, SectionCount> headers{};
    const ColumnPlaces places = PlaceColumn(StartSections(), true);
    for (std::size_t i = 0; i < kSections.size(); ++i) {
        const SectionInfo& info = kSections[i];
        const int top = places[i].headerTop;
        headers[i] = {.id = info.headerId, .kind = K::Check,
                      .rect = {ColumnLeft, top, ColumnLeft + HeaderWidth, top + HeaderHeight},
                      .images = kHeader, .textIndex = info.headerText, .font = kHeaderFont,
                      .format = kCentre,
                      .flags = {.checked = IsOpen(StartSections(), info.section),
                                .repaintsWindow = true}};
    }
    return headers;
}

constexpr ControlSpec kBottomBar[] = {
    // Beside the firmware reset: at its described place it lay over the pointer section.
    {.id = MainId::SendAgain, .kind = K::Image, .rect = {962, 700, 1031, 720},
     .images = kButton2, .textIndex = 6, .format = kCentre},
    {.id = MainId::FirmwareReset, .kind = K::Image, .rect = {1040, 700, 1109, 720},
     .images = kButton2, .textIndex = 7, .format = kCentre},
    {.id = MainId::ProfileChooser, .kind = K::Image, .rect = {36, 700, 105, 720},
     .images = kButton2, .textIndex = 1, .format = kCentre, .flags = {.hoverTip = true}},
    {.id = MainId::VersionLine, .kind = K::StaticText, .rect = {150, 702, 360, 720},
     .textIndex = 3, .text = L":" FERROX_VERSION},
    {.id = MainId::Link, .kind = K::Link, .rect = {413, 660, 713, 678}, .text = kProjectPageUrl,
     .font = {L"Tahoma", 18}, .format = kCentre},
};

constexpr ControlSpec kLightingHead[] = {
    {.id = MainId::LightingMenu, .kind = K::Combo, .rect = {40, 11, 229, 36},
     .images = {"combo3_nr", "combo3_ov"}, .text = L"Disable", .format = kCentre, .layer = 2,
     .message = LightingMenuMessage},
    {.id = MainId::BrightnessLabel, .kind = K::StaticText, .rect = {42, 44, 190, 62},
     .textIndex = 120, .format = kVCentre, .layer = 2},
    {.id = MainId::BrightnessTrack, .kind = K::StaticImage, .rect = {42, 72, 187, 75},
     .images = {"Slider_bar"}, .layer = 2},
    {.id = MainId::BrightnessSlider, .kind = K::Slider, .rect = {42, 67, 187, 80},
     .images = kSlider, .layer = 2, .positions = 4, .start = 1},
    {.id = MainId::BrightnessValue, .kind = K::StaticText, .rect = {195, 64, 235, 82},
     .text = L"6", .font = kValueFont, .format = kVCentre, .layer = 2},
    {.id = MainId::SpeedLabel, .kind = K::StaticText, .rect = {42, 44, 190, 62},
     .textIndex = 121, .format = kVCentre, .layer = 2},
    {.id = MainId::SpeedTrack, .kind = K::StaticImage, .rect = {42, 72, 187, 75},
     .images = {"Slider_bar"}, .layer = 2},
    {.id = MainId::SpeedSlider, .kind = K::Slider, .rect = {42, 67, 187, 80}, .images = kSlider,
     .layer = 2, .positions = 3, .start = 1},
    {.id = MainId::SpeedValue, .kind = K::StaticText, .rect = {195, 64, 226, 82}, .text = L"6",
     .font = kValueFont, .format = kVCentre, .layer = 2},
    {.id = MainId::ColourLabel, .kind = K::StaticText, .rect = {42, 107, 252, 125},
     .textIndex = 122, .layer = 2},
};

constexpr std::array<ControlSpec, 8> ColourSlots() {
    std::array<ControlSpec, 8> slots{};
    for (int i = 0; i < 8; ++i)
        slots[std::size_t(i)] = {.id = MainId::ColourSlot + i, .kind = K::ColourSelectCheck,
                                 .rect = {42 + 26 * i, 134, 63 + 26 * i, 154},
                                 .images = {"color_select_nr", "color_select_nr",
                                            "color_select_check"},
                                 .layer = 2, .tipIndex = Tip::ColourSlot};
    return slots;
}

constexpr ControlSpec kLightingTail[] = {
    {.id = MainId::DirectionLabel, .kind = K::StaticText, .rect = {42, 107, 132, 125},
     .textIndex = 123, .layer = 2},
    {.id = MainId::DirectionUp, .kind = K::Radio, .rect = {42, 134, 71, 152},
     .images = {"up_nr", "up_ov", "up_check"}, .layer = 2, .tipIndex = Tip::DirectionUp},
    {.id = MainId::DirectionDown, .kind = K::Radio, .rect = {81, 134, 110, 152},
     .images = {"down_nr", "down_ov", "down_check"}, .layer = 2, .tipIndex = Tip::DirectionDown},
};

// The button to the desktop's mouse settings has a row of its own under the last slider.
constexpr ControlSpec kPointerSection[] = {
    {.id = MainId::ControlPanel, .kind = K::Image, .rect = {20, 250, 235, 272},
     .images = {"button4_nr", "button4_nr"}, .textIndex = 260, .format = kCentre, .layer = 3},
    {.id = 3133, .kind = K::StaticText, .rect = {20, 7, 220, 25}, .textIndex = 130, .layer = 3},
    {.id = 3139, .kind = K::StaticImage, .rect = {20, 36, 205, 39}, .images = {"Slider_bar2"},
     .layer = 3},
    {.id = MainId::PointerSpeedSlider, .kind = K::Slider, .rect = {20, 31, 205, 44},
     .images = kSlider, .layer = 3, .positions = 11, .start = 5},
    {.id = MainId::PointerSpeedValue, .kind = K::StaticText, .rect = {215, 29, 246, 46},
     .text = L"6", .font = kValueFont, .layer = 3},
    {.id = 3134, .kind = K::StaticText, .rect = {36, 54, 236, 72}, .textIndex = 131, .layer = 3},
    {MainId::Precision, K::Check, {20, 57, 31, 68}, CheckSkins, -1, {}, {}, 0, 3},
    {.id = 3135, .kind = K::StaticText, .rect = {20, 90, 220, 108}, .textIndex = 132, .layer = 3},
    {.id = 3137, .kind = K::StaticText, .rect = {40, 119, 240, 137}, .textIndex = 133,
     .layer = 3},
    {MainId::ScrollLines, K::Radio, {18, 121, 33, 136}, kRadio, -1, {}, {}, 0, 3},
    {.id = 3136, .kind = K::StaticText, .rect = {40, 166, 240, 184}, .textIndex = 134,
     .layer = 3},
    {MainId::ScrollPages, K::Radio, {18, 168, 33, 183}, kRadio, -1, {}, {}, 0, 3},
    {.id = MainId::ScrollValue, .kind = K::StaticText, .rect = {215, 143, 246, 160},
     .text = L"5", .font = kValueFont, .layer = 3},
    {.id = 3140, .kind = K::StaticImage, .rect = {20, 150, 205, 153}, .images = {"Slider_bar2"},
     .layer = 3},
    {.id = MainId::ScrollSlider, .kind = K::Slider, .rect = {20, 145, 205, 158},
     .images = kSlider, .layer = 3, .positions = 10, .start = 4},
    {.id = 3138, .kind = K::StaticText, .rect = {20, 200, 220, 218}, .textIndex = 135,
     .layer = 3},
    {.id = 3141, .kind = K::StaticImage, .rect = {20, 234, 205, 237}, .images = {"Slider_bar2"},
     .layer = 3},
    {.id = MainId::DoubleClickSlider, .kind = K::Slider, .rect = {20, 229, 205, 242},
     .images = kSlider, .layer = 3, .positions = 11, .start = 5},
    {.id = MainId::DoubleClickValue, .kind = K::StaticText, .rect = {215, 225, 246, 242},
     .text = L"6", .font = kValueFont, .layer = 3},
};

constexpr ControlSpec kRateSection[] = {
    {.id = MainId::RateMenu, .kind = K::Combo, .rect = {749, 182, 938, 207}, .images = kCombo2,
     .text = L"Disable", .format = kCentre, .layer = 4, .flags = kHidden,
     .message = RateMenuMessage},
    {MainId::Rate125, K::Radio, {59, 20, 131, 91}, {"125hz_nr", "125hz_dn", "125hz_dn"}, -1, {},
     {}, 0, 4},
    {MainId::Rate125 + 1, K::Radio, {59, 91, 130, 163}, {"250hz_nr", "250hz_dn", "250hz_dn"}, -1,
     {}, {}, 0, 4},
    {MainId::Rate125 + 2, K::Radio, {130, 91, 202, 163}, {"500hz_nr", "500hz_dn", "500hz_dn"},
     -1, {}, {}, 0, 4},
    {MainId::Rate125 + 3, K::Radio, {131, 20, 202, 91}, {"1000hz_nr", "1000hz_dn", "1000hz_dn"},
     -1, {}, {}, 0, 4},
    {.id = MainId::RateText, .kind = K::StaticText, .rect = {88, 83, 173, 101}, .textIndex = 261,
     .format = kCentre | kVCentre, .layer = 4},
    {.id = MainId::RateText + 1, .kind = K::StaticText, .rect = {88, 83, 173, 101},
     .textIndex = 262, .format = kCentre | kVCentre, .layer = 4},
    {.id = MainId::RateText + 2, .kind = K::StaticText, .rect = {88, 83, 173, 101},
     .textIndex = 263, .format = kCentre | kVCentre, .layer = 4},
};

constexpr ControlSpec kLowSections[] = {
    {.id = MainId::RateText + 3, .kind = K::StaticText, .rect = {88, 83, 173, 101},
     .textIndex = 264, .format = kCentre | kVCentre, .layer = 4},
    {MainId::LiftLow, K::Radio, {80, 27, 95, 42}, kRadio, -1, {}, {}, 0, 5},
    {MainId::LiftHigh, K::Radio, {160, 27, 175, 42}, kRadio, -1, {}, {}, 0, 5},
    {.id = 3520, .kind = K::StaticText, .rect = {64, 47, 111, 65}, .textIndex = 270,
     .format = kCentre, .layer = 5},
    {.id = 3521, .kind = K::StaticText, .rect = {144, 47, 191, 65}, .textIndex = 271,
     .format = kCentre, .layer = 5},
    {.id = 3531, .kind = K::StaticImage, .rect = {42, 42, 187, 45}, .images = {"Slider_bar"},
     .layer = 6},
    {.id = MainId::DebounceSlider, .kind = K::Slider, .rect = {42, 37, 187, 50},
     .images = kSlider, .layer = 6, .positions = 16, .start = 1},
    // Wide enough for "30ms", to the section frame's inner edge.
    {.id = MainId::DebounceValue, .kind = K::StaticText, .rect = {195, 34, 257, 52},
     .text = L"12ms", .font = kValueFont, .format = kVCentre, .layer = 6},
};

std::vector<ControlSpec> Join(std::initializer_list<std::span<const ControlSpec>> parts) {
    std::vector<ControlSpec> all;
    for (std::span<const ControlSpec> part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

constexpr auto kKeyRows = KeyRows();
constexpr auto kProfileBar = ProfileBar();
const auto kHeaders = Headers();
constexpr auto kColourSlots = ColourSlots();

} // namespace

std::span<const ControlSpec> MainWindowLayer0() {
    static const std::vector<ControlSpec> table =
        Join({kTitleAndButtons, kKeyRows, kLeftPanels, kProfileBar, kHeaders, kBottomBar});
    return table;
}

std::span<const ControlSpec> MainWindowSections() {
    static const std::vector<ControlSpec> table =
        Join({DpiControls(), kLightingHead, kColourSlots, kLightingTail, kPointerSection,
              kRateSection, kLowSections});
    return table;
}

int SliderValueText(int sliderId) {
    constexpr std::array<std::pair<int, int>, 6> kValueTexts{{
        {MainId::PointerSpeedSlider, MainId::PointerSpeedValue},
        {MainId::ScrollSlider, MainId::ScrollValue},
        {MainId::DoubleClickSlider, MainId::DoubleClickValue},
        {MainId::SpeedSlider, MainId::SpeedValue},
        {MainId::BrightnessSlider, MainId::BrightnessValue},
        {MainId::DebounceSlider, MainId::DebounceValue},
    }};
    for (auto [slider, text] : kValueTexts)
        if (slider == sliderId)
            return text;
    return 0;
}

std::span<const DesignBox> LeftPanelFrames() {
    return kLeftFrames;
}

void BuildMainWindowControls(CDlgBase& dialog, int dpiStepCount) {
    const ControlBindings bindings = ProgramControlBindings();
    AddControls(dialog, MainWindowLayer0(), bindings);
    AddControls(dialog, MainWindowSections(), bindings);
    ShowDpiStepCount(dialog, dpiStepCount);
    // Buttons 8 and 9 have no key slot on the mouse.
    for (int n = 7; n < KeyComboCount; ++n)
        if (auto* combo = dynamic_cast<CComboButton*>(dialog.FindControl(MainId::KeyCombo + n)))
            combo->SetDisabledLook(true);
}

} // namespace ferrox
