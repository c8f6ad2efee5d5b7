// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/control_factory.h"

#include "lang/language_table.h"
#include "ui/battery.h"
#include "ui/check_button.h"
#include "ui/color_select_button.h"
#include "ui/combo_button.h"
#include "ui/dlg_base.h"
#include "ui/image_button.h"
#include "ui/level_bar_controls.h"
#include "ui/power_manage_button.h"
#include "ui/radio_button.h"
#include "ui/slider_control.h"
#include "ui/static_controls.h"
#include "ui/tab_control.h"
#include "ui/ui_scale.h"
#include "ui/vscroll_bar.h"

#include <string>

namespace ferrox {
namespace {

std::string SkinPath(std::string_view name) {
    return "skins/" + std::string(name) + ".png";
}

std::wstring Caption(const ControlSpec& row) {
    std::wstring caption = row.textIndex >= 0 ? LanguageText(row.textIndex) : std::wstring();
    caption += row.text;
    return caption;
}

// The constructor arguments every control shares, already scaled.
struct Placed {
    WindowBase* owner;
    int id, left, top, right, bottom;
    std::wstring text;
    int shown, visible, locked;
    unsigned format;
};

Placed Place(CDlgBase& dialog, const ControlSpec& row) {
    return {&dialog,
            row.id,
            Scaled(row.rect.left),
            Scaled(row.rect.top),
            Scaled(row.rect.right),
            Scaled(row.rect.bottom),
            Caption(row),
            row.flags.shown ? 1 : 0,
            row.flags.visible ? 1 : 0,
            row.flags.locked ? 1 : 0,
            row.format};
}

template <typename Button> std::unique_ptr<Button> MakeButton(const Placed& p) {
    return std::make_unique<Button>(p.owner, p.id, p.left, p.top, p.right, p.bottom, p.text,
                                    p.shown, p.visible, p.locked, p.format);
}

void LoadButtonLooks(ButtonBase& button, const ControlSpec& row) {
    if (row.stripFrames > 0) {
        if (!row.images[0].empty())
            button.LoadStripImage(SkinPath(row.images[0]), row.stripFrames);
        return;
    }
    for (int slot = ButtonBase::SlotNormal; slot <= ButtonBase::SlotDown; ++slot)
        if (!row.images[slot].empty())
            button.LoadImage(static_cast<ButtonBase::ImageSlot>(slot), SkinPath(row.images[slot]));
}

std::unique_ptr<CControlBase> MakeRadio(const Placed& p, const ControlSpec& row,
                                        const ControlBindings& bindings) {
    std::unique_ptr<CRadioButton> radio;
    if (row.kind == ControlKind::DpiRadio) {
        auto dpi = MakeButton<CDPIRadioButton>(p);
        dpi->SetLevel(row.level);
        radio = std::move(dpi);
    } else {
        radio = MakeButton<CRadioButton>(p);
    }
    if (const RadioGroupEntry* entry = FindRadioGroup(bindings.radioGroups, row.id))
        radio->SetGroup(entry->bit, entry->group);
    LoadButtonLooks(*radio, row);
    return radio;
}

std::unique_ptr<CControlBase> MakeTab(const Placed& p, const ControlSpec& row,
                                      const ControlBindings& bindings) {
    auto tab = MakeButton<CTabControl>(p);
    if (const TabPageEntry* entry = FindTabPage(bindings.tabPages, row.id))
        tab->SetPage(entry->page, entry->index);
    if (row.stripFrames > 0)
        LoadButtonLooks(*tab, row);
    else
        tab->LoadTabImages(SkinPath(row.images[0]), SkinPath(row.images[1]),
                           SkinPath(row.images[2]), SkinPath(row.images[3]));
    return tab;
}

std::unique_ptr<CControlBase> MakeCheck(const Placed& p, const ControlSpec& row) {
    std::unique_ptr<CCheckButton> check = row.kind == ControlKind::ColourSelectCheck
                                              ? MakeButton<CColorSelectCheckButton>(p)
                                              : MakeButton<CCheckButton>(p);
    LoadButtonLooks(*check, row);
    check->SetChecked(row.flags.checked);
    return check;
}

std::unique_ptr<CControlBase> MakeImageButton(const Placed& p, const ControlSpec& row) {
    auto button = MakeButton<CImageButton>(p);
    button->SetHoverTip(row.flags.hoverTip);
    LoadButtonLooks(*button, row);
    return button;
}

std::unique_ptr<CControlBase> MakePlainButton(const Placed& p, const ControlSpec& row) {
    std::unique_ptr<ButtonBase> button;
    if (row.kind == ControlKind::Link)
        button = std::make_unique<CLinkButton>(p.owner, p.left, p.top, p.right, p.bottom, p.text,
                                               p.shown, p.visible, p.locked, p.format);
    else if (row.kind == ControlKind::ColourSelect)
        button = MakeButton<CColorSelectButton>(p);
    else
        button = std::make_unique<CComboButton>(p.owner, p.id, p.left, p.top, p.right, p.bottom,
                                                row.message, p.text, p.shown, p.visible,
                                                p.locked, p.format);
    LoadButtonLooks(*button, row);
    return button;
}

std::unique_ptr<CControlBase> MakePowerDial(const Placed& p, const ControlSpec& row) {
    auto dial = std::make_unique<CPowerManageButton>(p.owner, p.id, p.left, p.top, p.right,
                                                     p.bottom, p.shown, p.visible, p.locked);
    for (int i = 0; i < MaxSpecImages; ++i)
        if (!row.images[i].empty())
            dial->LoadSegmentImage(CPowerManageButton::FirstRegionSegment + i,
                                   SkinPath(row.images[i]));
    return dial;
}

std::unique_ptr<CControlBase> MakeStatic(const Placed& p, const ControlSpec& row) {
    if (row.kind == ControlKind::StaticText)
        return std::make_unique<CStaticText>(p.owner, p.id, p.left, p.top, p.right, p.bottom,
                                             p.text, p.format, row.colour, p.shown, p.visible,
                                             p.locked);
    auto image = std::make_unique<CStaticImage>(p.owner, p.id, p.left, p.top, p.right, p.bottom,
                                                p.text, p.shown, p.visible, p.locked);
    if (!row.images[0].empty())
        image->LoadImage(SkinPath(row.images[0]));
    return image;
}

std::unique_ptr<CControlBase> MakeSlider(const Placed& p, const ControlSpec& row) {
    auto slider = std::make_unique<CSliderControl>(
        p.owner, p.id, p.left, p.top, p.right, p.bottom, row.positions,
        Scaled(row.margins.left), Scaled(row.margins.right), p.shown, p.visible, p.locked);
    if (!row.images[0].empty())
        slider->LoadKnob(SkinPath(row.images[0]));
    slider->SetIndex(row.start);
    return slider;
}

std::unique_ptr<CControlBase> MakeLevelBar(const Placed& p, const ControlSpec& row) {
    std::unique_ptr<CDPIValueShowControl> bar;
    if (row.kind == ControlKind::VerticalSlider)
        bar = std::make_unique<CVerticalSliderControl>(p.owner, p.id, p.left, p.top, p.right,
                                                       p.bottom, row.positions, p.shown,
                                                       p.visible, p.locked);
    else
        bar = std::make_unique<CDPIValueShowControl>(p.owner, p.id, p.left, p.top, p.right,
                                                     p.bottom, row.positions, p.shown, p.visible,
                                                     p.locked);
    bar->LoadBars(SkinPath(row.images[0]), SkinPath(row.images[1]));
    bar->SetValue(row.start);
    return bar;
}

std::unique_ptr<CControlBase> MakeBattery(const Placed& p, const ControlSpec& row) {
    auto battery = std::make_unique<CBattery>(p.owner, p.left, p.top, p.right, p.bottom, p.shown,
                                              p.visible);
    for (int slot = CBattery::SlotFill; slot < CBattery::SlotCount; ++slot)
        if (!row.images[slot - 1].empty())
            battery->LoadSlot(static_cast<CBattery::Slot>(slot), SkinPath(row.images[slot - 1]));
    return battery;
}

std::unique_ptr<CControlBase> MakeScrollBar(const Placed& p) {
    auto bar = std::make_unique<CVScrollBar>(p.owner, p.id, p.left, p.top, p.right, p.bottom,
                                             p.shown, p.visible, p.locked);
    bar->LoadArrows();
    return bar;
}

std::unique_ptr<CControlBase> MakeOfKind(const Placed& p, const ControlSpec& row,
                                         const ControlBindings& bindings) {
    switch (row.kind) {
    case ControlKind::Check:
    case ControlKind::ColourSelectCheck:
        return MakeCheck(p, row);
    case ControlKind::Radio:
    case ControlKind::DpiRadio:
        return MakeRadio(p, row, bindings);
    case ControlKind::Image:
        return MakeImageButton(p, row);
    case ControlKind::Link:
    case ControlKind::ColourSelect:
    case ControlKind::Combo:
        return MakePlainButton(p, row);
    case ControlKind::PowerDial:
        return MakePowerDial(p, row);
    case ControlKind::Tab:
        return MakeTab(p, row, bindings);
    case ControlKind::StaticImage:
    case ControlKind::StaticText:
        return MakeStatic(p, row);
    case ControlKind::Slider:
        return MakeSlider(p, row);
    case ControlKind::VerticalSlider:
    case ControlKind::LevelDisplay:
        return MakeLevelBar(p, row);
    case ControlKind::Battery:
        return MakeBattery(p, row);
    case ControlKind::ScrollBar:
        return MakeScrollBar(p);
    }
    return nullptr;
}

} // namespace

const RadioGroupEntry* FindRadioGroup(std::span<const RadioGroupEntry> table, int id) {
    for (const RadioGroupEntry& entry : table)
        if (entry.id == id)
            return &entry;
    return nullptr;
}

const TabPageEntry* FindTabPage(std::span<const TabPageEntry> table, int id) {
    for (const TabPageEntry& entry : table)
        if (entry.id == id)
            return &entry;
    return nullptr;
}

std::unique_ptr<CControlBase> MakeControl(CDlgBase& dialog, const ControlSpec& row,
                                          const ControlBindings& bindings) {
    std::unique_ptr<CControlBase> control = MakeOfKind(Place(dialog, row), row, bindings);
    if (!control)
        return nullptr;
    if (row.font.height > 0)
        control->SetFont(Scaled(row.font.height),
                         row.font.face.empty() ? LanguageFontFace : std::wstring(row.font.face));
    control->SetRepaintsWindowOnRelease(row.flags.repaintsWindow);
    if (row.tipIndex >= 0)
        control->SetTip(LanguageText(row.tipIndex));
    return control;
}

std::vector<CControlBase*> AddControls(CDlgBase& dialog, std::span<const ControlSpec> rows,
                                       const ControlBindings& bindings) {
    std::vector<CControlBase*> built;
    built.reserve(rows.size());
    for (const ControlSpec& row : rows)
        if (auto control = MakeControl(dialog, row, bindings))
            if (CControlBase* added = dialog.AddControl(row.layer, std::move(control)))
                built.push_back(added);
    return built;
}

} // namespace ferrox
