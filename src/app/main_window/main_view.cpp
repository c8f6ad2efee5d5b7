// The main window's two directions between the current profile and its controls.

#include "app/main_window/ferrox_dlg.h"
#include "app/main_window/lighting_rules.h"
#include "app/main_window/main_layout.h"
#include "lang/language_table.h"
#include "settings/config_table.h"
#include "settings/dpi_levels.h"
#include "ui/battery.h"
#include "ui/check_button.h"
#include "ui/color_select_button.h"
#include "ui/combo_button.h"
#include "ui/level_bar_controls.h"
#include "ui/power_manage_button.h"
#include "ui/radio_button.h"
#include "ui/slider_control.h"
#include "ui/static_controls.h"
#include "ui/ui_state.h"

#include <algorithm>

namespace ferrox {
namespace {

constexpr Colour kActiveDpiText = 0x0000FF; // red
constexpr int kPowerTextBefore = 266;
constexpr int kPowerTextAfter = 267;
constexpr const wchar_t* kNoDpi = L"\u2014";
constexpr std::array<const wchar_t*, 4> kBrightnessTexts{L"25%", L"50%", L"75%", L"100%"};

// Bits of RadioGroupFlags the main window's radios use, by id.
constexpr std::uint32_t kScrollLines = 0x80, kScrollPages = 0x100, kScrollGroup = 0x180;
constexpr std::uint32_t kDirectionUp = 0x800, kDirectionDown = 0x1000, kDirectionGroup = 0x1800;
constexpr std::uint32_t kRate125 = 0x10000, kRateGroup = 0xF0000;
constexpr std::uint32_t kLiftLow = 0x100000, kLiftHigh = 0x200000, kLiftGroup = 0x300000;
constexpr std::uint32_t kXDpiGroup = 0x7F;

void SelectBit(std::uint32_t bit, std::uint32_t group) {
    RadioGroupFlags = (RadioGroupFlags & ~group) | bit;
}

std::wstring Number(long value) {
    return std::to_wstring(value);
}

int ClampedStep(int step) {
    return std::clamp(step, 0, std::max(0, int(DpiSteps.count) - 1));
}

} // namespace

std::wstring DpiText(int step) {
    if (DpiSteps.count == 0)
        return kNoDpi;
    return Number(long(DpiSteps.entries[std::size_t(ClampedStep(step))].Dpi()));
}

void CFerroxDlg::RefreshView() {
    if (placedLongTable_ != hasLiftOff()) { // the sensor changed
        placedLongTable_ = hasLiftOff();
        placeColumn();
    }
    refreshProfileBar();
    const ProfileSettings& profile = CurrentProfile();
    for (int n = 0; n < 7; ++n)
        if (auto* combo = FindControlAs<CComboButton>(MainId::KeyCombo + n))
            combo->SetText(profile.keys[std::size_t(n)].name);
    refreshDpi();
    refreshRate();
    refreshLighting();
    refreshPanels();
    Invalidate();
}

void CFerroxDlg::refreshProfileBar() {
    const ProfileBarList bar = ReadProfileBar();
    const int current = CurrentSlot();
    MainPageIndex = -1; // no tab selected while the current slot is not on the bar
    for (int s = 0; s < ProfileCount; ++s) {
        auto* tab = FindControl(MainId::ProfileTab + s);
        if (!tab)
            continue;
        tab->SetText(ProfileValue(Profiles[std::size_t(s)], ProfileKey::ProfileName));
        const auto* end = bar.slots.begin() + bar.count;
        const bool listed = std::find(bar.slots.begin(), end, s) != end;
        tab->SetShown(listed ? 1 : 0);
        if (listed && s == current)
            MainPageIndex = s;
    }
    if (auto* menu = FindControl(MainId::ProfileMenu))
        menu->SetText(ProfileValue(CurrentProfile(), ProfileKey::ProfileName));
    placeProfileBar();
}

void CFerroxDlg::refreshDpi() {
    const ProfileSettings& profile = CurrentProfile();
    const int active = ActiveDpiLevel(profile).value_or(-1);
    const bool noTable = DpiSteps.count == 0;
    for (int k = 0; k < DpiLevelCount; ++k) {
        const bool enabled = profile.dpiEnableMask & (1u << k);
        const int step = ClampedStep(profile.dpiStep[std::size_t(k)]);
        if (auto* check = FindControlAs<CCheckButton>(MainId::DpiCheck + k)) {
            check->SetChecked(enabled);
            check->SetLocked(noTable);
        }
        if (auto* radio = FindControlAs<CDPIRadioButton>(MainId::DpiRadio + k)) {
            radio->SetText(DpiText(step));
            const Colour text = k == active ? kActiveDpiText : look::Text;
            radio->SetTextColours(text, k == active ? text : 0xFFFFFF, text);
            radio->SetLocked(!enabled || noTable);
        }
        if (auto* colour = FindControlAs<CColorSelectButton>(MainId::DpiColour + k))
            colour->SetColour(profile.dpiColour[std::size_t(k)]);
        for (int id : {MainId::DpiBar + k, MainId::DpiValue + k})
            if (auto* bar = FindControlAs<CDPIValueShowControl>(id)) {
                bar->SetLevelCount(int(DpiSteps.count));
                bar->SetValue(step);
                bar->SetLocked(noTable);
            }
    }
    // The radios look selected up to the active level.
    DpiLevelMask = active >= 0 ? (1u << (active + 1)) - 1 : 0;
}

void CFerroxDlg::refreshRate() {
    const ProfileSettings& profile = CurrentProfile();
    if (auto* menu = FindControl(MainId::RateMenu))
        menu->SetText(profile.reportRate.name);
    const int rate = std::min<int>(profile.reportRate.rate, 3);
    SelectBit(kRate125 << rate, kRateGroup);
    for (int r = 0; r < 4; ++r)
        if (auto* text = FindControl(MainId::RateText + r))
            text->SetVisible(r == rate);
}

void CFerroxDlg::refreshLighting() {
    const LightingSettings& lighting = CurrentProfile().lighting;
    const int m = std::min<int>(lighting.mode, LightingModeCount - 1);
    if (auto* menu = FindControl(MainId::LightingMenu))
        menu->SetText(lighting.name);
    const LightingControls shown = LightingControlsOfMode(m);
    for (int i = 0; i < 8; ++i)
        if (auto* slot = FindControlAs<CColorSelectCheckButton>(MainId::ColourSlot + i)) {
            slot->SetColour(lighting.colour[std::size_t(m)][std::size_t(i)]);
            slot->SetChecked(lighting.colourSelected[std::size_t(m)][std::size_t(i)] != 0);
            slot->SetVisible(i < shown.colourSlots);
        }
    for (int id : {MainId::ColourLabel})
        if (auto* c = FindControl(id))
            c->SetVisible(shown.colourSlots > 0);
    if (auto* speed = FindControlAs<CSliderControl>(MainId::SpeedSlider))
        speed->SetIndex(lighting.speed[std::size_t(m)]);
    if (auto* speed = FindControlAs<CSliderControl>(MainId::SpeedSlider))
        if (auto* text = FindControl(MainId::SpeedValue))
            text->SetText(Number(speed->GetIndex() + 1));
    for (int id : {MainId::SpeedSlider, MainId::SpeedTrack, MainId::SpeedLabel, MainId::SpeedValue})
        if (auto* c = FindControl(id))
            c->SetVisible(shown.speed);
    auto* brightness = FindControlAs<CSliderControl>(MainId::BrightnessSlider);
    if (brightness) {
        brightness->SetIndex(lighting.brightness[std::size_t(m)]);
        if (auto* text = FindControl(MainId::BrightnessValue))
            text->SetText(kBrightnessTexts[std::size_t(brightness->GetIndex())]);
    }
    for (int id : {MainId::BrightnessSlider, MainId::BrightnessTrack, MainId::BrightnessLabel,
                   MainId::BrightnessValue})
        if (auto* c = FindControl(id))
            c->SetVisible(shown.brightness);
    SelectBit(lighting.direction[std::size_t(m)] ? kDirectionUp : kDirectionDown, kDirectionGroup);
    for (int id : {MainId::DirectionUp, MainId::DirectionDown, MainId::DirectionLabel})
        if (auto* c = FindControl(id))
            c->SetVisible(shown.direction);
}

void CFerroxDlg::refreshPanels() {
    const ProfileSettings& profile = CurrentProfile();
    const auto number = [&](int pair) { return ProfileNumber(profile, pair); };
    SelectBit(number(ProfileKey::LiftDetectionHeight) == 1 ? kLiftLow : kLiftHigh, kLiftGroup);
    if (auto* debounce = FindControlAs<CSliderControl>(MainId::DebounceSlider)) {
        debounce->SetIndex(int(number(ProfileKey::KeyDebounce) / 2));
        if (auto* text = FindControl(MainId::DebounceValue))
            text->SetText(Number(debounce->GetIndex() * 2) + L"ms");
    }
    const long xDpi = number(ProfileKey::X_DPI);
    SelectBit(1u << (xDpi >= 0 && xDpi <= 5 ? xDpi : 6), kXDpiGroup);
    const bool pages = number(ProfileKey::ScrollWheelPageEnable) == 1;
    SelectBit(pages ? kScrollPages : kScrollLines, kScrollGroup);
    if (auto* check = FindControlAs<CCheckButton>(MainId::MoveLightingCheck))
        check->SetChecked(number(ProfileKey::MoveLightingOnOffMode) == 1);
    if (auto* check = FindControlAs<CCheckButton>(MainId::MotionWakeupCheck))
        check->SetChecked(number(ProfileKey::MotionWakeup) == 1);
    if (auto* check = FindControlAs<CCheckButton>(MainId::Precision))
        check->SetChecked(number(ProfileKey::AccelerationEnable) == 1);
    const long minutes = number(ProfileKey::PowerDownTime);
    if (auto* dial = FindControlAs<CPowerManageButton>(MainId::PowerDial))
        dial->SetSegment(int(minutes));
    if (auto* text = FindControl(MainId::PowerText))
        text->SetText(LanguageText(kPowerTextBefore) + Number(minutes) +
                      LanguageText(kPowerTextAfter));
    const std::array<std::pair<int, int>, 3> sliders{{
        {MainId::ScrollSlider, ProfileKey::ScrollWheelSpeed},
        {MainId::PointerSpeedSlider, ProfileKey::PointerSpeed},
        {MainId::DoubleClickSlider, ProfileKey::DoubleClickSpeed},
    }};
    for (auto [id, pair] : sliders)
        if (auto* slider = FindControlAs<CSliderControl>(id)) {
            slider->SetIndex(int(number(pair)));
            if (auto* text = FindControl(SliderValueText(id)))
                text->SetText(Number(slider->GetIndex() + 1));
        }
    if (auto* scroll = FindControl(MainId::ScrollSlider))
        scroll->SetLocked(pages ? 1 : 0);
}

void CFerroxDlg::CollectView() {
    ProfileSettings& profile = CurrentProfile();
    const auto checked = [&](int id) {
        const auto* check = FindControlAs<CCheckButton>(id);
        return check && check->GetChecked() ? 1L : 0L;
    };
    const auto position = [&](int id, long missing) {
        const auto* slider = FindControlAs<CSliderControl>(id);
        return slider ? long(slider->GetIndex()) : missing;
    };
    long xDpi = 6;
    for (int bit = 0; bit < 7; ++bit)
        if (RadioGroupFlags & (1u << bit)) {
            xDpi = bit;
            break;
        }
    SetProfileNumber(profile, ProfileKey::X_DPI, xDpi);
    SetProfileNumber(profile, ProfileKey::ScrollWheelPageEnable,
                     (RadioGroupFlags & kScrollPages) ? 1 : 0);
    SetProfileNumber(profile, ProfileKey::MoveLightingOnOffMode, checked(MainId::MoveLightingCheck));
    SetProfileNumber(profile, ProfileKey::MotionWakeup, checked(MainId::MotionWakeupCheck));
    if (const auto* dial = FindControlAs<CPowerManageButton>(MainId::PowerDial))
        SetProfileNumber(profile, ProfileKey::PowerDownTime, dial->GetSegment());
    const long scroll = position(MainId::ScrollSlider, ProfileNumber(profile, ProfileKey::ScrollWheelSpeed));
    SetProfileNumber(profile, ProfileKey::ScrollWheelSpeed, scroll);
    SetProfileNumber(profile, ProfileKey::TiltSpeed, scroll);
    SetProfileNumber(profile, ProfileKey::PointerSpeed,
                     position(MainId::PointerSpeedSlider, ProfileNumber(profile, ProfileKey::PointerSpeed)));
    SetProfileNumber(profile, ProfileKey::DoubleClickSpeed,
                     position(MainId::DoubleClickSlider, ProfileNumber(profile, ProfileKey::DoubleClickSpeed)));
    SetProfileNumber(profile, ProfileKey::AccelerationEnable, checked(MainId::Precision));
    // The active level and the enable mask are written by the DPI handlers through the level
    // rules, which keep the position right.
    collectLighting();
    SetProfileNumber(profile, ProfileKey::LiftDetectionHeight, (RadioGroupFlags & kLiftLow) ? 1 : 2);
    SetProfileNumber(profile, ProfileKey::KeyDebounce, position(MainId::DebounceSlider, 6) * 2);
}

void CFerroxDlg::collectLighting() {
    LightingSettings& lighting = CurrentProfile().lighting;
    const std::size_t m = std::min<std::size_t>(lighting.mode, LightingModeCount - 1);
    if (const auto* speed = FindControlAs<CSliderControl>(MainId::SpeedSlider))
        lighting.speed[m] = std::uint8_t(speed->GetIndex());
    if (const auto* brightness = FindControlAs<CSliderControl>(MainId::BrightnessSlider))
        lighting.brightness[m] = std::uint8_t(brightness->GetIndex());
    lighting.direction[m] = (RadioGroupFlags & kDirectionUp) ? 1 : 0;
}

} // namespace ferrox
