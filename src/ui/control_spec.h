// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A control as a dialog's layout table gives it: identifier, kind, design rectangle, skin
// images, text, font, format, layer and named flags. Tables of these are built by one factory
// (control_factory.h), so a dialog's layout reads like its description. A row names its common
// head of fields in order, or designates every field it sets (in declaration order):
//
//   constexpr ControlSpec kPowerPanel[] = {
//       {3501, ControlKind::Check, {50, 658, 65, 673}, {"check_nr", "check_ov", "check_dn"}},
//       {3402, ControlKind::StaticText, {70, 658, 270, 676}, {}, 268},
//       {.id = 2043, .kind = ControlKind::Slider, .rect = {20, 31, 205, 44},
//        .images = {"Slider_Circle"}, .layer = 3, .positions = 11, .start = 5},
//   };

#include "base/colour.h"
#include "ui/look_colours.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace ferrox {

enum class ControlKind {
    Check,             // CCheckButton
    ColourSelectCheck, // CColorSelectCheckButton
    Radio,             // CRadioButton, its group from the dialog's bindings
    DpiRadio,          // CDPIRadioButton, its level from `level`
    Image,             // CImageButton
    Link,              // CLinkButton
    ColourSelect,      // CColorSelectButton
    Combo,             // CComboButton, reporting on `message`
    PowerDial,         // CPowerManageButton, images for 3, 4, ... minutes
    Tab,               // CTabControl, its page from the dialog's bindings
    StaticImage,       // CStaticImage
    StaticText,        // CStaticText
    Slider,            // CSliderControl: `positions`, `start`, `margins`
    VerticalSlider,    // CVerticalSliderControl: empty and full bar, `positions` levels
    LevelDisplay,      // CDPIValueShowControl: as the vertical slider, without dragging
    Battery,           // CBattery: fill, frame, charging fill, overlay
    ScrollBar,         // CVScrollBar with the built-in arrow strips
};

// Design units of the dialog, right and bottom exclusive; scaled by UiScale when built.
struct DesignRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct FontSpec {
    std::wstring_view face{}; // empty: the language's face
    int height = 0;         // design pixels (× UiScale); 0 keeps the control's own font
};

struct ControlFlags {
    bool shown = true;
    bool visible = true;
    bool locked = false;
    bool checked = false;        // check buttons start checked
    bool hoverTip = false;       // image buttons: entering asks the dialog for its tip
    bool repaintsWindow = false; // a release repaints the whole window, not just the control
};

// Skin names under "skins/" without ".png": "check_nr", "mouse/serial_number1". Unused entries
// stay empty. What each position means depends on the kind (control_factory.h).
inline constexpr int MaxSpecImages = 10;
using SkinNames = std::array<std::string_view, MaxSpecImages>;

struct SliderMargins {
    int left = 0; // design units from the control's edges to the first and last stop
    int right = 0;
};

struct ControlSpec {
    int id = 0;
    ControlKind kind = ControlKind::StaticText;
    DesignRect rect{};
    SkinNames images{};
    int textIndex = -1;     // LanguageTable text shown first; -1: none
    std::wstring_view text{}; // fixed text, after the LanguageTable text
    FontSpec font{};
    unsigned format = 0; // text-drawing flags (DT_*)
    int layer = 0;       // 0 always present, 1..6 the dialog's pages or sections
    ControlFlags flags{};
    Colour colour = look::Text; // static texts
    unsigned message = 0;         // combo buttons: the message they report on
    int positions = 0;            // sliders: stops; level bars: levels
    int start = 0;                // sliders: the stop selected first; level bars: the value
    SliderMargins margins{};
    int level = -1;     // DPI level buttons: the level 0..7 they select
    int stripFrames = 0; // buttons: images[0] is a strip of this many looks side by side
    int tipIndex = -1;   // LanguageTable text of the control's tooltip; -1: none
};

// What a dialog binds to identifiers: which radio button holds which bit of RadioGroupFlags,
// and which tab stands for which page of which page word. The tables live with the dialogs
// that own the identifiers; the toolkit only applies them.
struct RadioGroupEntry {
    int id;
    std::uint32_t bit;
    std::uint32_t group;
};

struct TabPageEntry {
    int id;
    int* page;
    int index;
};

} // namespace ferrox
