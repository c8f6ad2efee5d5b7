// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/gallery/gallery_dialog.h"

#include "ui/battery.h"
#include "ui/check_button.h"
#include "ui/color_select_button.h"
#include "ui/combo_button.h"
#include "ui/control_factory.h"
#include "ui/edit_show_list.h"
#include "ui/gallery/gallery_rows.h"
#include "ui/image_button.h"
#include "ui/image_show_list.h"
#include "ui/level_bar_controls.h"
#include "ui/power_manage_button.h"
#include "ui/radio_button.h"
#include "ui/skin_images.h"
#include "ui/slider_control.h"
#include "ui/static_controls.h"
#include "ui/tab_control.h"
#include "ui/ui_scale.h"
#include "ui/ui_state.h"
#include "ui/vscroll_bar.h"

#include <array>
#include <string>
#include <vector>

namespace ferrox::gallery {

namespace {

constexpr int Col1 = 20;   // first column's labels
constexpr int Cell1 = 140; // first column's controls
constexpr int Col2 = 720;  // second column

enum State { Normal, Over, Down, Checked, Locked };
constexpr std::array<const wchar_t*, 5> StateNames{L"normal", L"over", L"down", L"checked",
                                                   L"locked"};

QRect Box(int x, int y, int w, int h) {
    return ScaledRect(x, y, x + w, y + h);
}

// Puts a control into one of its looks the way the pointer would.
void Drive(CControlBase& control, State state) {
    const QPoint centre = control.GetBounds().center();
    if (state == Over || state == Down)
        control.OnMouseMove(centre.x(), centre.y());
    if (state == Down)
        control.OnLButtonDown(centre.x(), centre.y());
    if (state == Locked)
        control.SetLocked(1);
}

// The few radio bits and pages the sheet shows selected.
constexpr RadioGroupEntry GalleryRadios[] = {
    {2009, 0x80, 0x180},       {2010, 0x100, 0x180},      {3240, 0x800, 0x1800},
    {3250, 0x1000, 0x1800},    {3030, 0x10000, 0xF0000},  {3031, 0x20000, 0xF0000},
    {3032, 0x40000, 0xF0000},  {3033, 0x80000, 0xF0000},
};

void BindRadio(CRadioButton& radio) {
    if (const RadioGroupEntry* entry = FindRadioGroup(GalleryRadios, radio.Id()))
        radio.SetGroup(entry->bit, entry->group);
}

template <typename Control, typename... Args>
Control* Make(CDlgBase* dialog, const QRect& r, int id, Args&&... args) {
    return dialog->AddControl(0, std::make_unique<Control>(dialog, id, r.left(), r.top(),
                                                           r.right() + 1, r.bottom() + 1,
                                                           std::forward<Args>(args)...));
}

} // namespace

GalleryDialog::GalleryDialog() {
    SetDesignSize(DesignWidth, DesignHeight);
    panel_ = ferrox::LoadFrameImage("skins/Frame_Lighting_Setting.bmp");
}

QPoint GalleryDialog::MenuOrigin() const {
    return QPoint(Scaled(Col2 + 510), Scaled(565));
}

void GalleryDialog::label(int x, int y, int width, const wchar_t* text, unsigned format) {
    const QRect r = Box(x, y, width, 18);
    AddControl(0, std::make_unique<CStaticText>(this, 3402, r.left(), r.top(), r.right() + 1,
                                                r.bottom() + 1, text, format));
}

void GalleryDialog::CreateControls(int, int, int, int) {
    RadioGroupFlags = 0x100 | 0x800 | 0x40000; // scroll by pages, direction up, 500 Hz
    DpiLevelMask = 0x07;
    MainPageIndex = 2;
    addToggles();
    addHeadersAndButtons();
    addCombosAndTabs();
    addSlidersAndLinks();
    addPowerAndBattery();
    addDpiSection();
    addReportRate();
    addListsAndPictures();
}

namespace {

enum class ToggleKind { Check, Radio, ColourSlot, Colour };

struct ToggleRow {
    const wchar_t* name;
    ToggleKind kind;
    int id, w, h;
    int states; // bit i set: show state i (normal, over, down, checked, locked)
    std::array<const char*, 3> looks;
};

constexpr std::array<ToggleRow, 6> ToggleRows{{
    {L"Check box",
     ToggleKind::Check,
     3501,
     15,
     15,
     0x1F,
     {"skins/check_nr.png", "skins/check_ov.png", "skins/check_dn.png"}},
    {L"Radio",
     ToggleKind::Radio,
     2009,
     15,
     15,
     0x07,
     {"skins/radio_nr.png", "skins/radio_ov.png", "skins/radio_dn.png"}},
    {L"DPI cycle",
     ToggleKind::Check,
     3260,
     11,
     11,
     0x0F,
     {"skins/check_button_dpi_nr.png", "skins/check_button_dpi_ov.png",
      "skins/check_button_dpi_dn.png"}},
    {L"Direction",
     ToggleKind::Radio,
     3250,
     29,
     18,
     0x07,
     {"skins/up_nr.png", "skins/up_ov.png", "skins/up_check.png"}},
    {L"Colour slot",
     ToggleKind::ColourSlot,
     3180,
     21,
     20,
     0x0B,
     {"skins/color_select_nr.png", "skins/color_select_nr.png", "skins/color_select_check.png"}},
    {L"Colour", ToggleKind::Colour, 3270, 26, 12, 0x07, {nullptr, nullptr, nullptr}},
}};

void LoadLooks(ButtonBase& button, const std::array<const char*, 3>& looks) {
    for (int slot = 0; slot < 3; ++slot)
        if (looks[slot])
            button.LoadImage(static_cast<ButtonBase::ImageSlot>(slot), looks[slot]);
}

ButtonBase* MakeToggle(CDlgBase* dialog, const ToggleRow& row, const QRect& r, int state) {
    constexpr std::array<Colour, 3> colours{0x0000FF, 0x00C000, 0xDEA035};
    switch (row.kind) {
    case ToggleKind::Radio: {
        auto* radio = Make<CRadioButton>(dialog, r, row.id);
        BindRadio(*radio);
        return radio;
    }
    case ToggleKind::ColourSlot: {
        auto* slot = Make<CColorSelectCheckButton>(dialog, r, row.id);
        slot->SetColour(Rgb(0x35, 0xA0, 0xDE));
        slot->SetChecked(state == Checked);
        return slot;
    }
    case ToggleKind::Colour: {
        auto* colour = Make<CColorSelectButton>(dialog, r, row.id);
        colour->SetColour(colours[state % colours.size()]);
        return colour;
    }
    case ToggleKind::Check:
        break;
    }
    auto* check = Make<CCheckButton>(dialog, r, row.id);
    check->SetChecked(state == Checked || state == Locked);
    return check;
}

} // namespace

void GalleryDialog::addToggles() {
    int y = 22;
    for (const ToggleRow& row : ToggleRows) {
        label(Col1, y, 115, row.name);
        int x = Cell1;
        for (int state = Normal; state <= Locked; ++state) {
            if (!(row.states & (1 << state)))
                continue;
            ButtonBase* button =
                MakeToggle(this, row, Box(x, y + (18 - row.h) / 2, row.w, row.h), state);
            LoadLooks(*button, row.looks);
            Drive(*button, static_cast<State>(state == Checked ? Normal : state));
            if (row.kind != ToggleKind::Colour)
                label(x + row.w + 6, y, 70, StateNames[state]);
            x += row.w + 84;
        }
        y += 26;
    }
    // A selected radio and direction button, to show the chosen look.
    auto* pages = Make<CRadioButton>(this, Box(Cell1 + 3 * 99, 48, 15, 15), 2010);
    BindRadio(*pages);
    LoadLooks(*pages, ToggleRows[1].looks);
    label(Cell1 + 3 * 99 + 21, 48, 70, L"selected");
    auto* up = Make<CRadioButton>(this, Box(Cell1 + 3 * 113, 100, 29, 18), 3240);
    BindRadio(*up);
    LoadLooks(*up, {"skins/down_nr.png", "skins/down_ov.png", "skins/down_check.png"});
    label(Cell1 + 3 * 113 + 35, 100, 70, L"selected");
}

void GalleryDialog::addHeadersAndButtons() {
    int y = 186;
    label(Col1, y + 3, 115, L"Headers");
    for (int i = 0; i < 3; ++i) {
        const int x = Cell1 + (i % 2) * 272;
        const int row = y + (i / 2) * 30;
        auto* header =
            Make<CCheckButton>(this, Box(x, row, 262, 25), 3001, L"", 1, 1, 0, DT_CENTER);
        header->LoadImage(ButtonBase::SlotNormal, "skins/header_nr.png");
        header->LoadImage(ButtonBase::SlotOver, "skins/header_nr.png");
        header->LoadImage(ButtonBase::SlotDown, "skins/header_ov.png");
        header->SetText(std::wstring(L"DPI  ·  ") + StateNames[i == 2 ? Checked : i]);
        header->SetChecked(i == 2);
        Drive(*header, static_cast<State>(i == 2 ? Normal : i));
    }
    auto* title = Make<CCheckButton>(this, Box(Cell1 + 272, y + 30, 230, 25), 3008,
                                     L"Panel title (locked)", 1, 1, 1, DT_CENTER);
    title->LoadImage(ButtonBase::SlotNormal, "skins/header2_nr.png");
    title->LoadImage(ButtonBase::SlotOver, "skins/header2_nr.png");
    title->LoadImage(ButtonBase::SlotDown, "skins/header2_ov.png");

    y = 252;
    label(Col1, y + 3, 115, L"Buttons");
    for (int i = 0; i < 2; ++i) {
        auto* b = Make<CImageButton>(this, Box(Cell1 + i * 272, y, 230, 25), 2062,
                                     std::wstring(L"Macro manager  ·  ") + StateNames[i], 1, 1, 0,
                                     DT_CENTER);
        b->LoadImages("skins/button1");
        Drive(*b, static_cast<State>(i));
    }
    struct Small {
        const char* stem;
        int w, h, row, states;
        const wchar_t* text;
    };
    const std::array<Small, 5> small{{{"skins/button2", 69, 20, 0, 3, L"Apply"},
                                      {"skins/button3", 120, 24, 0, 2, L"New macro"},
                                      {"skins/add", 46, 20, 1, 2, L""},
                                      {"skins/exit", 15, 15, 1, 2, L""},
                                      {"skins/min", 15, 15, 1, 2, L""}}};
    std::array<int, 2> x{Cell1, Cell1 + 126};
    for (const Small& s : small) {
        for (int state = Normal; state < s.states; ++state) {
            const int top = y + 32 + s.row * 30 + (24 - s.h) / 2;
            auto* b = Make<CImageButton>(this, Box(x[s.row], top, s.w, s.h), 2047, s.text, 1, 1, 0,
                                         DT_CENTER);
            b->LoadImages(s.stem);
            Drive(*b, static_cast<State>(state));
            x[s.row] += s.w + 6;
        }
        x[s.row] += 8;
    }
    auto* record =
        Make<CCheckButton>(this, Box(Cell1, y + 62, 120, 24), 2030, L"Record", 1, 1, 0, DT_CENTER);
    record->LoadImage(ButtonBase::SlotNormal, "skins/macro_record_nr.png");
    record->LoadImage(ButtonBase::SlotOver, "skins/macro_record_nr.png");
    record->LoadImage(ButtonBase::SlotDown, "skins/macro_record_dn.png");
    record->SetTexts(L"Record", L"Stop");
    record->SetChecked(true);
    auto* wide = Make<CImageButton>(this, Box(Cell1 + 336, y + 62, 215, 45), 3330,
                                    L"Mouse settings", 1, 1, 0, DT_CENTER);
    wide->LoadImage(ButtonBase::SlotNormal, "skins/button4_nr.png");
    wide->LoadImage(ButtonBase::SlotOver, "skins/button4_nr.png");
}

void GalleryDialog::addCombosAndTabs() {
    int y = 370;
    label(Col1, y + 2, 115, L"Combo");
    const std::array<const wchar_t*, 6> looks{L"Left click", L"over",          L"popup open",
                                              L"disabled",   L"disabled over", L""};
    for (int i = 0; i < 6; ++i) {
        const int x = Cell1 + (i % 3) * 180;
        const int row = y + (i / 3) * 28;
        auto* combo = Make<CComboButton>(this, Box(x, row, 162, 21), 2013, 1028u, looks[i]);
        combo->LoadImages("skins/combo2");
        combo->SetPopupOpen(i == 2);
        combo->SetDisabledLook(i == 3 || i == 4);
        combo->SetDisable(i == 5);
        Drive(*combo, (i == 1 || i == 4) ? Over : Normal);
    }
    for (int i = 0; i < 2; ++i) {
        auto* combo = Make<CComboButton>(this, Box(Cell1 + i * 200, y + 56, 189, 25), 3120, 1144u,
                                         i ? L"Breathing" : L"Steady");
        combo->LoadImages("skins/combo3");
        Drive(*combo, static_cast<State>(i));
    }

    y = 464;
    label(Col1, y + 2, 115, L"Profile tabs");
    const std::array<const wchar_t*, 4> tabs{L"Profile 1", L"Profile 2 (over)", L"Profile 3",
                                             L"Profile 3 (over)"};
    for (int i = 0; i < 4; ++i) {
        const int x = Cell1 + (i % 2) * 180;
        const int row = y + (i / 2) * 26;
        auto* tab = Make<CTabControl>(this, Box(x, row, 162, 21), i < 2 ? 2049 + i : 2051, tabs[i],
                                      1, 1, 0, DT_CENTER);
        tab->SetPage(&MainPageIndex, i < 2 ? i : 2);
        tab->LoadTabImages("skins/profile_slot_nr.png", "skins/profile_slot_ov.png",
                           "skins/profile_slot_nr2.png", "skins/profile_slot_ov2.png");
        Drive(*tab, (i % 2) ? Over : Normal);
    }
}

void GalleryDialog::addSlidersAndLinks() {
    int y = 526;
    label(Col1, y, 115, L"Sliders");
    struct Slide {
        const char* track;
        int width, positions, index;
    };
    const std::array<Slide, 2> slides{
        {{"skins/Slider_bar.png", 145, 4, 1}, {"skins/Slider_bar2.png", 185, 11, 8}}};
    int x = Cell1;
    for (const Slide& s : slides) {
        auto* track = Make<CStaticImage>(this, Box(x, y + 8, s.width, 3), 3191);
        track->LoadImage(s.track);
        auto* slider = Make<CSliderControl>(this, Box(x, y + 3, s.width, 13), 3220, s.positions,
                                            Scaled(6), Scaled(7));
        slider->LoadKnob("skins/Slider_Circle.png");
        slider->SetIndex(s.index);
        label(x + s.width + 8, y, 40, s.positions == 4 ? L"2" : L"9");
        x += s.width + 60;
    }
    y = 556;
    label(Col1, y, 115, L"Link");
    for (int i = 0; i < 2; ++i) {
        const QRect r = Box(Cell1 + i * 200, y, 190, 18);
        auto* link =
            AddControl(0, std::make_unique<CLinkButton>(this, r.left(), r.top(), r.right() + 1,
                                                        r.bottom() + 1, L"www.example.com"));
        link->SetFont(Scaled(18), L"Tahoma");
        Drive(*link, static_cast<State>(i));
    }
    const QRect r = Box(Cell1 + 400, y, 130, 18);
    AddControl(0, std::make_unique<CStaticText>(this, 3405, r.left(), r.top(), r.right() + 1,
                                                r.bottom() + 1, L"Accent text", DT_LEFT, 0xDEA035));
}

void GalleryDialog::addPowerAndBattery() {
    const int y = 592;
    label(Col1, y, 115, L"Power, battery");
    for (int i = 0; i < 2; ++i) {
        auto* dial = Make<CPowerManageButton>(this, Box(Cell1 + i * 150, y, 140, 84), 3500);
        for (int minutes = 3; minutes <= 10; ++minutes)
            dial->LoadSegmentImage(minutes,
                                   "skins/power_manage_" + std::to_string(minutes) + "min.png");
        dial->SetSegment(i ? 8 : 3);
    }
    struct Gauge {
        int mode, level;
        const wchar_t* name;
    };
    const std::array<Gauge, 5> gauges{{{CBattery::OnBattery, 100, L"100%"},
                                       {CBattery::OnBattery, 40, L"40%"},
                                       {CBattery::OnBattery, 1, L"1%"},
                                       {CBattery::Charging, 0, L"charging"},
                                       {CBattery::Charged, 100, L"full"}}};
    int x = Cell1 + 305;
    for (const Gauge& g : gauges) {
        const QRect r = Box(x, y, 30, 61);
        auto* battery = AddControl(
            0, std::make_unique<CBattery>(this, r.left(), r.top(), r.right() + 1, r.bottom() + 1));
        battery->LoadSlot(CBattery::SlotFill, "skins/battery_full.png");
        battery->LoadSlot(CBattery::SlotFrame, "skins/battery_empty.png");
        battery->LoadSlot(CBattery::SlotLowFill, "skins/battery_charging.png");
        battery->LoadSlot(CBattery::SlotOverlay, "skins/battery_lighting.png");
        battery->SetLevel(g.level);
        battery->SetMode(g.mode);
        if (g.mode == CBattery::Charging)
            battery->AdvanceChargingLevel();
        label(x - 18, y + 64, 66, g.name, DT_CENTER);
        x += 56;
    }
    const std::array<const char*, 3> dots{"skins/battery_green.png", "skins/battery_orange.png",
                                          "skins/battery_red.png"};
    const std::array<const wchar_t*, 3> legend{L"Above 50%", L"20% to 50%", L"Below 20%"};
    for (int i = 0; i < 3; ++i) {
        auto* dot = Make<CStaticImage>(this, Box(Cell1 + 300, y + 100 + i * 20, 8, 8), 3401);
        dot->LoadImage(dots[i]);
        label(Cell1 + 315, y + 95 + i * 20, 140, legend[i]);
    }
}

void GalleryDialog::addDpiSection() {
    const std::array<const wchar_t*, 8> dpi{L"400",  L"800",  L"1600", L"3200",
                                            L"6400", L"8000", L"12K",  L"26K"};
    const int y = 22;
    for (int k = 0; k < 8; ++k) {
        const int x = Col2 + 37 * k;
        auto* bar = Make<CVerticalSliderControl>(this, Box(x + 9, y, 7, 132), 3280 + k, 16);
        bar->LoadBars("skins/mouse/dpi_bar_1.png", "skins/mouse/dpi_bar_2.png");
        bar->SetValue(k * 2 + 1);
        auto* level = Make<CDPIRadioButton>(this, Box(x, y + 137, 26, 11), 3290 + k, dpi[k], 1, 1,
                                            0, DT_CENTER);
        level->SetLevel(k);
        level->LoadStripImage("skins/dpi_value.png");
        level->SetFont(Scaled(11), L"Tahoma");
        if (k == 5)
            Drive(*level, Over);
        auto* cycle = Make<CCheckButton>(this, Box(x + 7, y + 151, 11, 11), 3260 + k);
        cycle->LoadImages("skins/check_button_dpi");
        cycle->SetChecked(k < 6);
        constexpr std::array<Colour, 8> colours{0x0000FF, 0x00A5FF, 0x00FFFF, 0x00FF00,
                                                0xFFFF00, 0xFF0000, 0xFF00FF, 0xFFFFFF};
        auto* colour = Make<CColorSelectButton>(this, Box(x, y + 165, 26, 12), 3270 + k);
        colour->SetColour(colours[k]);
    }
}

void GalleryDialog::addReportRate() {
    struct Tile {
        int id, x, y, w, h;
        const char* stem;
    };
    const std::array<Tile, 4> tiles{{{3030, 0, 0, 72, 71, "125hz"},
                                     {3033, 72, 0, 71, 71, "1000hz"},
                                     {3031, 0, 71, 71, 72, "250hz"},
                                     {3032, 71, 71, 72, 72, "500hz"}}};
    for (const Tile& t : tiles) {
        auto* tile = Make<CRadioButton>(this, Box(Col2 + 310 + t.x, 22 + t.y, t.w, t.h), t.id);
        BindRadio(*tile);
        const std::string stem = std::string("skins/") + t.stem;
        tile->LoadImage(ButtonBase::SlotNormal, stem + "_nr.png");
        tile->LoadImage(ButtonBase::SlotOver, stem + "_dn.png");
        tile->LoadImage(ButtonBase::SlotDown, stem + "_dn.png");
        if (t.id == 3031)
            Drive(*tile, Over);
    }
    // The chosen rate's label sits on the read-out plate where the four tiles meet.
    const QRect r = Box(Col2 + 310 + 29, 22 + 63, 85, 18);
    AddControl(0, std::make_unique<CStaticText>(this, 3144, r.left(), r.top(), r.right() + 1,
                                                r.bottom() + 1, L"500Hz", DT_CENTER));
}

void GalleryDialog::addListsAndPictures() {
    using Fold = ShowListRow::Fold;
    const int y = 222;
    QRect r = Box(Col2, y, 230, 160);
    auto* tree = AddControl(
        0, std::make_unique<CEditShowList>(this, r.left(), r.top(), r.right() + 1, r.bottom() + 1));
    tree->LoadIcons();
    tree->SetRows(std::make_unique<GalleryRows>(std::vector<ShowListRow>{
        {0, ShowListRow::NoIcon, Fold::Open, L"Shooters"},
        {1, ShowListRow::NoIcon, Fold::Open, L"Burst fire"},
        {2, ShowListRow::NoIcon, Fold::None, L"Three-round burst"},
        {1, ShowListRow::NoIcon, Fold::None, L"Quick reload"},
        {0, ShowListRow::NoIcon, Fold::Closed, L"Strategy"},
        {0, ShowListRow::NoIcon, Fold::None, L"Build order with a very long name"}}));
    tree->SetSelectedRow(1);

    r = Box(Col2 + 250, y, 200, 160);
    auto* actions = AddControl(0, std::make_unique<CImageShowList>(this, r.left(), r.top(),
                                                                   r.right() + 1, r.bottom() + 1));
    actions->LoadIcons();
    const auto step = [](CImageShowList::Icon icon, const wchar_t* text) {
        return ShowListRow{0, icon, Fold::None, text};
    };
    actions->SetRows(std::make_unique<GalleryRows>(std::vector<ShowListRow>{
        step(CImageShowList::PressIcon, L"L Key"), step(CImageShowList::DelayIcon, L"40ms"),
        step(CImageShowList::ReleaseIcon, L"L Key"), step(CImageShowList::DelayIcon, L"60ms"),
        step(CImageShowList::PressIcon, L"R"), step(CImageShowList::DelayIcon, L"25ms"),
        step(CImageShowList::ReleaseIcon, L"R")}));
    actions->SetSelectedRow(2);
    for (int i = 0; i < 2; ++i) {
        auto* bar = Make<CVScrollBar>(this, Box(Col2 + 232 + i * 220, y, 12, 160), 2030 + i);
        bar->LoadArrows();
        bar->SetPosition(i ? 2 : 0, 8, 14);
        if (i)
            Drive(*bar, Over);
    }
    label(Col2, y + 164, 440, L"Macro tree, action list and scroll bars (right one hovered)");

    auto* mouse = Make<CStaticImage>(this, Box(Col2 + 470, 22, 215, 398), 3400);
    mouse->LoadImage("skins/mouse/mouse_nr.png");
    for (int n = 1; n <= 9; ++n) {
        auto* badge = Make<CStaticImage>(this, Box(Col2 + (n - 1) * 26, 410, 21, 19), 3400);
        badge->LoadImage("skins/mouse/serial_number" + std::to_string(n) + ".png");
    }
    auto* marker = Make<CStaticImage>(this, Box(Col2 + 470 + 38, 22 + 60, 22, 22), 3400);
    marker->LoadImage("skins/mouse/number1.png");

    struct FrameSample {
        const char* path;
        int x, y, w, h;
        const wchar_t* name;
    };
    const std::array<FrameSample, 3> frames{
        {{"skins/Frame_Macro_Manager.bmp", Col2, 445, 264, 182, L"Frame_Macro_Manager, half size"},
         {"skins/Frame_common.bmp", Col2 + 280, 445, 300, 98, L"Frame_common, scaled"},
         {"skins/Frame_warning.bmp", Col2, 640, 319, 102, L"Frame_warning"}}};
    for (const FrameSample& f : frames) {
        auto* frame = Make<CStaticImage>(this, Box(f.x, f.y, f.w, f.h), 3400);
        frame->LoadImage(f.path);
        label(f.x + 10, f.y + 3, f.w - 20, f.name, DT_LEFT);
    }
}

void GalleryDialog::DrawDialog(Canvas& canvas, const QRect& clientRect) {
    canvas.FillRect(clientRect, 0x161616);
    for (const QRect& panel : {Box(10, 10, 690, 740), Box(Col2 - 10, 10, 700, 740)})
        canvas.DrawImage(panel_, panel, Interpolation::Smooth);
    DrawControls(canvas, clientRect);
}

} // namespace ferrox::gallery
