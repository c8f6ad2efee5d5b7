// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window/pointer_section.h"

#include "app/main_window/desktop_links.h"
#include "app/main_window/main_layout.h"
#include "app/radio_bits.h"
#include "device/protocol/change_groups.h"
#include "settings/config_table.h"
#include "ui/check_button.h"
#include "ui/slider_control.h"
#include "ui/ui_state.h"

#include <QProcess>
#include <QStandardPaths>

#include <array>
#include <utility>

namespace ferrox {
namespace {

constexpr int kNoMouseSettingsText = 276;


// The pointer sliders and the profile values they show, by position.
constexpr std::array<std::pair<int, int>, 3> kPointerSliders{{
    {MainId::ScrollSlider, ProfileKey::ScrollWheelSpeed},
    {MainId::PointerSpeedSlider, ProfileKey::PointerSpeed},
    {MainId::DoubleClickSlider, ProfileKey::DoubleClickSpeed},
}};

long XDpiOfRadios() {
    for (int bit = 0; bit < 7; ++bit)
        if (RadioGroupFlags & (RadioBit::XDpiFirst << bit))
            return bit;
    return 6;
}

} // namespace

void PointerSection::Bind() {
    for (int id : {MainId::LiftLow, MainId::LiftHigh})
        onClick(id, [this] { controlsChanged(ChangeGroup::Settings); });
    onSlider(MainId::DebounceSlider, ChangeGroup::Settings);
    for (auto [id, key] : kPointerSliders)
        onSlider(id, ChangeGroup::Pointer);
    // By pages locks the lines slider.
    for (int id : {MainId::Precision, MainId::ScrollLines, MainId::ScrollPages})
        onClick(id, [this] { controlsChanged(ChangeGroup::Pointer); });
    onClick(MainId::ControlPanel, [this] { openMouseSettings(); });
}

void PointerSection::Refresh(const ProfileSettings& profile) {
    const auto number = [&](int key) { return ProfileNumber(profile, key); };
    SelectRadioBit(number(ProfileKey::LiftDetectionHeight) == 1 ? RadioBit::LiftLow
                                                                : RadioBit::LiftHigh,
                   RadioBit::LiftGroup);
    if (auto* debounce = control<CSliderControl>(MainId::DebounceSlider)) {
        debounce->SetIndex(int(number(ProfileKey::KeyDebounce) / 2));
        if (auto* text = control<CControlBase>(MainId::DebounceValue))
            text->SetText(std::to_wstring(debounce->GetIndex() * 2) + L"ms");
    }
    const long xDpi = number(ProfileKey::X_DPI);
    SelectRadioBit(RadioBit::XDpiFirst << (xDpi >= 0 && xDpi <= 5 ? xDpi : 6),
                   RadioBit::XDpiGroup);
    const bool pages = number(ProfileKey::ScrollWheelPageEnable) == 1;
    SelectRadioBit(pages ? RadioBit::ScrollPages : RadioBit::ScrollLines,
                   RadioBit::ScrollGroup);
    if (auto* check = control<CCheckButton>(MainId::Precision))
        check->SetChecked(number(ProfileKey::AccelerationEnable) == 1);
    for (auto [id, key] : kPointerSliders)
        if (auto* slider = control<CSliderControl>(id)) {
            slider->SetIndex(int(number(key)));
            if (auto* text = control<CControlBase>(SliderValueText(id)))
                text->SetText(std::to_wstring(slider->GetIndex() + 1));
        }
    if (auto* scroll = control<CControlBase>(MainId::ScrollSlider))
        scroll->SetLocked(pages ? 1 : 0);
}

void PointerSection::Collect(ProfileSettings& profile) {
    const auto position = [&](int id, long missing) {
        const auto* slider = control<CSliderControl>(id);
        return slider ? long(slider->GetIndex()) : missing;
    };
    const auto keep = [&](int id, int key) { return position(id, ProfileNumber(profile, key)); };
    SetProfileNumber(profile, ProfileKey::X_DPI, XDpiOfRadios());
    SetProfileNumber(profile, ProfileKey::ScrollWheelPageEnable,
                     (RadioGroupFlags & RadioBit::ScrollPages) ? 1 : 0);
    const long scroll = keep(MainId::ScrollSlider, ProfileKey::ScrollWheelSpeed);
    SetProfileNumber(profile, ProfileKey::ScrollWheelSpeed, scroll);
    SetProfileNumber(profile, ProfileKey::TiltSpeed, scroll);
    SetProfileNumber(profile, ProfileKey::PointerSpeed,
                     keep(MainId::PointerSpeedSlider, ProfileKey::PointerSpeed));
    SetProfileNumber(profile, ProfileKey::DoubleClickSpeed,
                     keep(MainId::DoubleClickSlider, ProfileKey::DoubleClickSpeed));
    const auto* precision = control<CCheckButton>(MainId::Precision);
    SetProfileNumber(profile, ProfileKey::AccelerationEnable,
                     precision && precision->GetChecked() ? 1 : 0);
    SetProfileNumber(profile, ProfileKey::LiftDetectionHeight,
                     (RadioGroupFlags & RadioBit::LiftLow) ? 1 : 2);
    SetProfileNumber(profile, ProfileKey::KeyDebounce, position(MainId::DebounceSlider, 6) * 2);
}

void PointerSection::openMouseSettings() {
    const auto command = ChooseMouseSettings(
        qEnvironmentVariable("XDG_CURRENT_DESKTOP").toStdString(), [](const std::string& name) {
            return !QStandardPaths::findExecutable(QString::fromStdString(name)).isEmpty();
        });
    QStringList arguments;
    if (command)
        for (const std::string& argument : command->arguments)
            arguments << QString::fromStdString(argument);
    if (!command ||
        !QProcess::startDetached(QString::fromStdString(command->program), arguments))
        notice(kNoMouseSettingsText);
}

} // namespace ferrox
