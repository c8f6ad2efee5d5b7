// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every image the generator ships, with the pixel size the controls' design rectangles
// call for. The generator refuses to write an image that is missing here or drawn at
// another size, and the skins test checks the build output against the same table.

#include <string_view>

namespace skingen {

enum class Place {
    Skins,    // ProgramFolder/skins/<path>
    Resource, // compiled into the program as :/res/<path>
};

struct SkinEntry {
    Place place;
    std::string_view path;
    int width;
    int height;
    int frames; // 3 for strips (normal, over, down side by side), else 1
};

inline constexpr SkinEntry kSkinTable[] = {
    // Window buttons and captions.
    {Place::Skins, "exit_nr.png", 15, 15, 1},
    {Place::Skins, "exit_ov.png", 15, 15, 1},
    {Place::Skins, "min_nr.png", 15, 15, 1},
    {Place::Skins, "min_ov.png", 15, 15, 1},
    {Place::Skins, "header_nr.png", 262, 25, 1},
    {Place::Skins, "header_ov.png", 262, 25, 1},
    {Place::Skins, "header2_nr.png", 230, 25, 1},
    {Place::Skins, "header2_ov.png", 230, 25, 1},
    // Push buttons.
    {Place::Skins, "button1_nr.png", 230, 25, 1},
    {Place::Skins, "button1_ov.png", 230, 25, 1},
    {Place::Skins, "button2_nr.png", 69, 20, 1},
    {Place::Skins, "button2_ov.png", 69, 20, 1},
    {Place::Skins, "button3_nr.png", 120, 24, 1},
    {Place::Skins, "button3_ov.png", 120, 24, 1},
    {Place::Skins, "button4_nr.png", 215, 45, 1},
    {Place::Skins, "add_nr.png", 46, 20, 1},
    {Place::Skins, "add_ov.png", 46, 20, 1},
    {Place::Skins, "profile_import_nr.png", 46, 20, 1},
    {Place::Skins, "profile_import_ov.png", 46, 20, 1},
    {Place::Skins, "profile_export_nr.png", 46, 20, 1},
    {Place::Skins, "profile_export_ov.png", 46, 20, 1},
    {Place::Skins, "profile_rename_nr.png", 46, 20, 1},
    {Place::Skins, "profile_rename_ov.png", 46, 20, 1},
    {Place::Skins, "macro_record_nr.png", 120, 24, 1},
    {Place::Skins, "macro_record_dn.png", 120, 24, 1},
    // Drop-down fields.
    {Place::Skins, "combo2_nr.png", 162, 21, 1},
    {Place::Skins, "combo2_ov.png", 162, 21, 1},
    {Place::Skins, "combo3_nr.png", 189, 25, 1},
    {Place::Skins, "combo3_ov.png", 189, 25, 1},
    // Check boxes and radios.
    {Place::Skins, "check_nr.png", 15, 15, 1},
    {Place::Skins, "check_ov.png", 15, 15, 1},
    {Place::Skins, "check_dn.png", 15, 15, 1},
    {Place::Skins, "radio_nr.png", 15, 15, 1},
    {Place::Skins, "radio_ov.png", 15, 15, 1},
    {Place::Skins, "radio_dn.png", 15, 15, 1},
    {Place::Skins, "check_button_dpi_nr.png", 11, 11, 1},
    {Place::Skins, "check_button_dpi_ov.png", 11, 11, 1},
    {Place::Skins, "check_button_dpi_dn.png", 11, 11, 1},
    {Place::Skins, "up_nr.png", 29, 18, 1},
    {Place::Skins, "up_ov.png", 29, 18, 1},
    {Place::Skins, "up_check.png", 29, 18, 1},
    {Place::Skins, "down_nr.png", 29, 18, 1},
    {Place::Skins, "down_ov.png", 29, 18, 1},
    {Place::Skins, "down_check.png", 29, 18, 1},
    {Place::Skins, "color_select_nr.png", 21, 20, 1},
    {Place::Skins, "color_select_check.png", 21, 20, 1},
    // Profile tabs: normal, over, selected, selected and over.
    {Place::Skins, "profile_slot_nr.png", 162, 21, 1},
    {Place::Skins, "profile_slot_ov.png", 162, 21, 1},
    {Place::Skins, "profile_slot_nr2.png", 162, 21, 1},
    {Place::Skins, "profile_slot_ov2.png", 162, 21, 1},
    // Sliders.
    {Place::Skins, "Slider_bar.png", 145, 3, 1},
    {Place::Skins, "Slider_bar2.png", 185, 3, 1},
    {Place::Skins, "Slider_Circle.png", 13, 13, 1},
    // DPI levels: bars, and the value tiles as one strip.
    {Place::Skins, "mouse/dpi_bar_1.png", 7, 132, 1},
    {Place::Skins, "mouse/dpi_bar_2.png", 7, 132, 1},
    {Place::Skins, "dpi_value.png", 96, 11, 3},
    // Report-rate tiles, a two-by-two block.
    {Place::Skins, "125hz_nr.png", 72, 71, 1},
    {Place::Skins, "125hz_dn.png", 72, 71, 1},
    {Place::Skins, "1000hz_nr.png", 71, 71, 1},
    {Place::Skins, "1000hz_dn.png", 71, 71, 1},
    {Place::Skins, "250hz_nr.png", 71, 72, 1},
    {Place::Skins, "250hz_dn.png", 71, 72, 1},
    {Place::Skins, "500hz_nr.png", 72, 72, 1},
    {Place::Skins, "500hz_dn.png", 72, 72, 1},
    // Battery gauge and legend.
    {Place::Skins, "battery_full.png", 30, 61, 1},
    {Place::Skins, "battery_empty.png", 30, 61, 1},
    {Place::Skins, "battery_charging.png", 30, 61, 1},
    {Place::Skins, "battery_lighting.png", 30, 61, 1},
    {Place::Skins, "battery_green.png", 8, 8, 1},
    {Place::Skins, "battery_orange.png", 8, 8, 1},
    {Place::Skins, "battery_red.png", 8, 8, 1},
    // Power-down dial, one image per selected time.
    {Place::Skins, "power_manage_3min.png", 140, 84, 1},
    {Place::Skins, "power_manage_4min.png", 140, 84, 1},
    {Place::Skins, "power_manage_5min.png", 140, 84, 1},
    {Place::Skins, "power_manage_6min.png", 140, 84, 1},
    {Place::Skins, "power_manage_7min.png", 140, 84, 1},
    {Place::Skins, "power_manage_8min.png", 140, 84, 1},
    {Place::Skins, "power_manage_9min.png", 140, 84, 1},
    {Place::Skins, "power_manage_10min.png", 140, 84, 1},
    // Menu rows and list icons.
    {Place::Skins, "menu_nr.png", 160, 22, 1},
    {Place::Skins, "menu_ov.png", 160, 22, 1},
    {Place::Skins, "menusub_nr.png", 160, 22, 1},
    {Place::Skins, "menusub_ov.png", 160, 22, 1},
    {Place::Skins, "foldr_open.png", 16, 16, 1},
    {Place::Skins, "foldr_close.png", 16, 16, 1},
    {Place::Skins, "macro_up.png", 14, 14, 1},
    {Place::Skins, "macro_down.png", 14, 14, 1},
    {Place::Skins, "macro_time.png", 14, 14, 1},
    // The mouse picture, its button markers and the key-row number badges.
    {Place::Skins, "mouse/mouse_nr.png", 215, 398, 1},
    {Place::Skins, "mouse/number1.png", 22, 22, 1},
    {Place::Skins, "mouse/number2.png", 22, 22, 1},
    {Place::Skins, "mouse/number3.png", 22, 22, 1},
    {Place::Skins, "mouse/number4.png", 22, 22, 1},
    {Place::Skins, "mouse/number5.png", 22, 22, 1},
    {Place::Skins, "mouse/number6.png", 22, 22, 1},
    {Place::Skins, "mouse/number7.png", 22, 22, 1},
    {Place::Skins, "mouse/number8.png", 22, 22, 1},
    {Place::Skins, "mouse/number9.png", 22, 22, 1},
    {Place::Skins, "mouse/serial_number1.png", 21, 19, 1},
    {Place::Skins, "mouse/serial_number2.png", 21, 19, 1},
    {Place::Skins, "mouse/serial_number3.png", 21, 19, 1},
    {Place::Skins, "mouse/serial_number4.png", 21, 19, 1},
    {Place::Skins, "mouse/serial_number5.png", 21, 19, 1},
    {Place::Skins, "mouse/serial_number6.png", 21, 19, 1},
    {Place::Skins, "mouse/serial_number7.png", 21, 19, 1},
    {Place::Skins, "mouse/serial_number8.png", 21, 19, 1},
    {Place::Skins, "mouse/serial_number9.png", 21, 19, 1},
    // Dialog frames.
    {Place::Skins, "Frame_Lighting_Setting.bmp", 230, 82, 1},
    {Place::Skins, "Frame_warning.bmp", 319, 102, 1},
    {Place::Skins, "Frame_common.bmp", 429, 140, 1},
    {Place::Skins, "Frame_DPI.bmp", 429, 140, 1},
    {Place::Skins, "Frame_progress_nr.bmp", 429, 140, 1},
    {Place::Skins, "Frame_progress_ov.bmp", 429, 140, 1},
    {Place::Skins, "Frame_Macro_Manager.bmp", 528, 365, 1},
    // The application icon for packaging (desktop file, icon theme).
    {Place::Skins, "ferrox.png", 256, 256, 1},
    // Compiled-in resources.
    {Place::Resource, "364.png", 1127, 740, 1},
    {Place::Resource, "287.png", 500, 291, 1},
    {Place::Resource, "187.png", 45, 15, 3},
    {Place::Resource, "188.png", 45, 15, 3},
    {Place::Resource, "128.png", 256, 256, 1},
};

} // namespace skingen
