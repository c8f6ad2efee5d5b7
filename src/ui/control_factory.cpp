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

std::wstring Caption(const ControlSpec& spec) {
    std::wstring caption = spec.textIndex >= 0 ? LanguageText(spec.textIndex) : std::wstring();
    caption += spec.text;
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

Placed Place(CDlgBase& dialog, const ControlSpec& spec) {
    return {&dialog,
            spec.id,
            Scaled(spec.rect.left),
            Scaled(spec.rect.top),
            Scaled(spec.rect.right),
            Scaled(spec.rect.bottom),
            Caption(spec),
            spec.flags.shown ? 1 : 0,
            spec.flags.visible ? 1 : 0,
            spec.flags.locked ? 1 : 0,
            spec.format};
}

template <typename Button> std::unique_ptr<Button> MakeButton(const Placed& p) {
    return std::make_unique<Button>(p.owner, p.id, p.left, p.top, p.right, p.bottom, p.text,
                                    p.shown, p.visible, p.locked, p.format);
}

void LoadButtonLooks(CButtonBase& button, const ControlSpec& spec) {
    if (spec.stripFrames > 0) {
        if (!spec.images[0].empty())
            button.LoadStripImage(SkinPath(spec.images[0]), spec.stripFrames);
        return;
    }
    for (int slot = CButtonBase::SlotNormal; slot <= CButtonBase::SlotDown; ++slot)
        if (!spec.images[slot].empty())
            button.LoadImage(static_cast<CButtonBase::ImageSlot>(slot), SkinPath(spec.images[slot]));
}

std::unique_ptr<CControlBase> MakeRadio(const Placed& p, const ControlSpec& spec,
                                        const ControlBindings& bindings) {
    std::unique_ptr<CRadioButton> radio;
    if (spec.kind == ControlKind::DpiRadio) {
        auto dpi = MakeButton<CDPIRadioButton>(p);
        dpi->SetLevel(spec.level);
        radio = std::move(dpi);
    } else {
        radio = MakeButton<CRadioButton>(p);
    }
    if (const RadioGroupEntry* entry = FindRadioGroup(bindings.radioGroups, spec.id))
        radio->SetGroup(entry->bit, entry->group);
    LoadButtonLooks(*radio, spec);
    return radio;
}

std::unique_ptr<CControlBase> MakeTab(const Placed& p, const ControlSpec& spec,
                                      const ControlBindings& bindings) {
    auto tab = MakeButton<CTabControl>(p);
    if (const TabPageEntry* entry = FindTabPage(bindings.tabPages, spec.id))
        tab->SetPage(entry->page, entry->index);
    if (spec.stripFrames > 0)
        LoadButtonLooks(*tab, spec);
    else
        tab->LoadTabImages(SkinPath(spec.images[0]), SkinPath(spec.images[1]),
                           SkinPath(spec.images[2]), SkinPath(spec.images[3]));
    return tab;
}

std::unique_ptr<CControlBase> MakeCheck(const Placed& p, const ControlSpec& spec) {
    std::unique_ptr<CCheckButton> check = spec.kind == ControlKind::ColourSelectCheck
                                              ? MakeButton<CColorSelectCheckButton>(p)
                                              : MakeButton<CCheckButton>(p);
    LoadButtonLooks(*check, spec);
    check->SetChecked(spec.flags.checked);
    return check;
}

std::unique_ptr<CControlBase> MakeImageButton(const Placed& p, const ControlSpec& spec) {
    auto button = MakeButton<CImageButton>(p);
    button->SetHoverTip(spec.flags.hoverTip);
    LoadButtonLooks(*button, spec);
    return button;
}

std::unique_ptr<CControlBase> MakePlainButton(const Placed& p, const ControlSpec& spec) {
    std::unique_ptr<CButtonBase> button;
    if (spec.kind == ControlKind::Link)
        button = std::make_unique<CLinkButton>(p.owner, p.left, p.top, p.right, p.bottom, p.text,
                                               p.shown, p.visible, p.locked, p.format);
    else if (spec.kind == ControlKind::ColourSelect)
        button = MakeButton<CColorSelectButton>(p);
    else
        button = std::make_unique<CComboButton>(p.owner, p.id, p.left, p.top, p.right, p.bottom,
                                                spec.message, p.text, p.shown, p.visible,
                                                p.locked, p.format);
    LoadButtonLooks(*button, spec);
    return button;
}

std::unique_ptr<CControlBase> MakePowerDial(const Placed& p, const ControlSpec& spec) {
    auto dial = std::make_unique<CPowerManageButton>(p.owner, p.id, p.left, p.top, p.right,
                                                     p.bottom, p.shown, p.visible, p.locked);
    for (int i = 0; i < MaxSpecImages; ++i)
        if (!spec.images[i].empty())
            dial->LoadSegmentImage(CPowerManageButton::FirstRegionSegment + i,
                                   SkinPath(spec.images[i]));
    return dial;
}

std::unique_ptr<CControlBase> MakeStatic(const Placed& p, const ControlSpec& spec) {
    if (spec.kind == ControlKind::StaticText)
        return std::make_unique<CStaticText>(p.owner, p.id, p.left, p.top, p.right, p.bottom,
                                             p.text, p.format, spec.colour, p.shown, p.visible,
                                             p.locked);
    auto image = std::make_unique<CStaticImage>(p.owner, p.id, p.left, p.top, p.right, p.bottom,
                                                p.text, p.shown, p.visible, p.locked);
    if (!spec.images[0].empty())
        image->LoadImage(SkinPath(spec.images[0]));
    return image;
}

std::unique_ptr<CControlBase> MakeSlider(const Placed& p, const ControlSpec& spec) {
    auto slider = std::make_unique<CSliderControl>(
        p.owner, p.id, p.left, p.top, p.right, p.bottom, spec.positions,
        Scaled(spec.margins.left), Scaled(spec.margins.right), p.shown, p.visible, p.locked);
    if (!spec.images[0].empty())
        slider->LoadKnob(SkinPath(spec.images[0]));
    slider->SetIndex(spec.start);
    return slider;
}

std::unique_ptr<CControlBase> MakeLevelBar(const Placed& p, const ControlSpec& spec) {
    std::unique_ptr<CDPIValueShowControl> bar;
    if (spec.kind == ControlKind::VerticalSlider)
        bar = std::make_unique<CVerticalSliderControl>(p.owner, p.id, p.left, p.top, p.right,
                                                       p.bottom, spec.positions, p.shown,
                                                       p.visible, p.locked);
    else
        bar = std::make_unique<CDPIValueShowControl>(p.owner, p.id, p.left, p.top, p.right,
                                                     p.bottom, spec.positions, p.shown, p.visible,
                                                     p.locked);
    bar->LoadBars(SkinPath(spec.images[0]), SkinPath(spec.images[1]));
    bar->SetValue(spec.start);
    return bar;
}

std::unique_ptr<CControlBase> MakeBattery(const Placed& p, const ControlSpec& spec) {
    auto battery = std::make_unique<CBattery>(p.owner, p.left, p.top, p.right, p.bottom, p.shown,
                                              p.visible);
    for (int slot = CBattery::SlotFill; slot < CBattery::SlotCount; ++slot)
        if (!spec.images[slot - 1].empty())
            battery->LoadSlot(static_cast<CBattery::Slot>(slot), SkinPath(spec.images[slot - 1]));
    return battery;
}

std::unique_ptr<CControlBase> MakeScrollBar(const Placed& p) {
    auto bar = std::make_unique<CVScrollBar>(p.owner, p.id, p.left, p.top, p.right, p.bottom,
                                             p.shown, p.visible, p.locked);
    bar->LoadArrows();
    return bar;
}

std::unique_ptr<CControlBase> MakeOfKind(const Placed& p, const ControlSpec& spec,
                                         const ControlBindings& bindings) {
    switch (spec.kind) {
    case ControlKind::Check:
    case ControlKind::ColourSelectCheck:
        return MakeCheck(p, spec);
    case ControlKind::Radio:
    case ControlKind::DpiRadio:
        return MakeRadio(p, spec, bindings);
    case ControlKind::Image:
        return MakeImageButton(p, spec);
    case ControlKind::Link:
    case ControlKind::ColourSelect:
    case ControlKind::Combo:
        return MakePlainButton(p, spec);
    case ControlKind::PowerDial:
        return MakePowerDial(p, spec);
    case ControlKind::Tab:
        return MakeTab(p, spec, bindings);
    case ControlKind::StaticImage:
    case ControlKind::StaticText:
        return MakeStatic(p, spec);
    case ControlKind::Slider:
        return MakeSlider(p, spec);
    case ControlKind::VerticalSlider:
    case ControlKind::LevelDisplay:
        return MakeLevelBar(p, spec);
    case ControlKind::Battery:
        return MakeBattery(p, spec);
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

std::unique_ptr<CControlBase> MakeControl(CDlgBase& dialog, const ControlSpec& spec,
                                          const ControlBindings& bindings) {
    std::unique_ptr<CControlBase> control = MakeOfKind(Place(dialog, spec), spec, bindings);
    if (!control)
        return nullptr;
    if (spec.font.height > 0)
        control->SetFont(Scaled(spec.font.height),
                         spec.font.face.empty() ? LanguageFontFace : std::wstring(spec.font.face));
    control->SetRepaintsWindowOnRelease(spec.flags.repaintsWindow);
    return control;
}

std::vector<CControlBase*> AddControls(CDlgBase& dialog, std::span<const ControlSpec> specs,
                                       const ControlBindings& bindings) {
    std::vector<CControlBase*> built;
    built.reserve(specs.size());
    for (const ControlSpec& spec : specs)
        if (auto control = MakeControl(dialog, spec, bindings))
            if (CControlBase* added = dialog.AddControl(spec.layer, std::move(control)))
                built.push_back(added);
    return built;
}

} // namespace ferrox
