// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window/dpi_section.h"

#include "app/dialogs/dpi_value_dlg.h"
#include "app/tool_tips.h"
#include "device/protocol/change_groups.h"
#include "settings/config_table.h"
#include "settings/dpi_levels.h"
#include "ui/check_button.h"
#include "ui/color_select_button.h"
#include "ui/level_bar_controls.h"
#include "ui/look_colours.h"
#include "ui/radio_button.h"
#include "ui/ui_state.h"

#include <algorithm>
#include <array>

namespace ferrox {
namespace {

using K = ControlKind;

constexpr unsigned kCentre = 1;
constexpr Colour kActiveDpiText = 0x0000FF; // red
constexpr const wchar_t* kNoDpi = L"\u2014";

// Eight DPI levels, one column each; columns 6 and 7 lie past the window's edge and stay hidden
// (their values are still kept).
constexpr std::array<ControlSpec, 40> Columns() {
    std::array<ControlSpec, 40> section{};
    for (int k = 0; k < 8; ++k) {
        const int x = 870 + 37 * k;
        const ControlFlags flags{.visible = k < 6};
        const auto at = [&](int row) -> ControlSpec& { return section[std::size_t(row * 8 + k)]; };
        // The display lies under its bar, so the bar takes the pointer: a drag sets the
        // level's DPI and a click opens its dialog.
        at(0) = {.id = MainId::DpiValue + k, .kind = K::LevelDisplay,
                 .rect = {x + 9, 75, x + 16, 207},
                 .images = {"mouse/dpi_bar_1", "mouse/dpi_bar_2"}, .layer = 1, .flags = flags,
                 .positions = 1};
        at(1) = {.id = MainId::DpiBar + k, .kind = K::VerticalSlider,
                 .rect = {x + 9, 75, x + 16, 207},
                 .images = {"mouse/dpi_bar_1", "mouse/dpi_bar_2"}, .layer = 1, .flags = flags,
                 .positions = 1, .tipIndex = Tip::DpiBar};
        // Wider than the column's other controls, so a five-digit value fits its box.
        at(2) = {.id = MainId::DpiRadio + k, .kind = K::DpiRadio,
                 .rect = {x - 3, 212, x + 29, 223}, .images = {"dpi_value"},
                 .font = {L"Tahoma", 9}, .format = kCentre, .layer = 1, .flags = flags,
                 .level = k, .stripFrames = 3};
        at(3) = {.id = MainId::DpiCheck + k, .kind = K::Check, .rect = {x + 7, 226, x + 18, 237},
                 .images = {"check_button_dpi_nr", "check_button_dpi_ov", "check_button_dpi_dn"},
                 .layer = 1, .flags = flags, .tipIndex = Tip::DpiInCycle};
        at(4) = {.id = MainId::DpiColour + k, .kind = K::ColourSelect,
                 .rect = {x, 240, x + 26, 252}, .layer = 1, .flags = flags,
                 .tipIndex = Tip::DpiColour};
    }
    return section;
}

constexpr auto kColumns = Columns();

int ClampedStep(int step) {
    return std::clamp(step, 0, std::max(0, int(DpiSteps.count) - 1));
}

bool IsLevel(int level) {
    return level >= 0 && level < DpiLevelCount;
}

} // namespace

std::span<const ControlSpec> DpiControls() {
    return kColumns;
}

std::wstring DpiText(int step) {
    if (DpiSteps.count == 0)
        return kNoDpi;
    return std::to_wstring(long(DpiSteps.entries[std::size_t(ClampedStep(step))].Dpi()));
}

void DpiSection::Bind() {
    for (int k = 0; k < DpiLevelCount; ++k) {
        onClick(MainId::DpiCheck + k, [this, k] { onCheck(k); });
        onControl(MainId::DpiBar + k,
                  [this, k](LParam code, WParam value) { onBar(k, code, value); });
        onClick(MainId::DpiValue + k, [this, k] { openDialog(k); });
        // A click changes the radios' look only; the mouse's DPI button picks the level.
        onClick(MainId::DpiRadio + k, [this] { calls_.showProfileAgain(); });
        onClick(MainId::DpiColour + k,
                [this, k] { editColour(CurrentProfile().dpiColour[std::size_t(k)]); });
    }
}

void ShowDpiStepCount(CDlgBase& window, int count) {
    for (int k = 0; k < DpiLevelCount; ++k)
        for (int id : {MainId::DpiBar + k, MainId::DpiValue + k})
            if (auto* bar = window.FindControlAs<CDPIValueShowControl>(id))
                bar->SetLevelCount(count);
}

void DpiSection::Refresh(const ProfileSettings& profile) {
    const int active = ActiveDpiLevel(profile).value_or(-1);
    const bool noTable = DpiSteps.count == 0;
    ShowDpiStepCount(window_, int(DpiSteps.count));
    for (int k = 0; k < DpiLevelCount; ++k) {
        const bool enabled = profile.dpiEnableMask & (1u << k);
        const int step = ClampedStep(profile.dpiStep[std::size_t(k)]);
        if (auto* check = control<CCheckButton>(MainId::DpiCheck + k)) {
            check->SetChecked(enabled);
            check->SetLocked(noTable);
        }
        if (auto* radio = control<CDPIRadioButton>(MainId::DpiRadio + k)) {
            radio->SetText(DpiText(step));
            const Colour text = k == active ? kActiveDpiText : look::Text;
            radio->SetTextColours(text, k == active ? text : 0xFFFFFF, text);
            radio->SetLocked(!enabled || noTable);
        }
        if (auto* colour = control<CColorSelectButton>(MainId::DpiColour + k))
            colour->SetColour(profile.dpiColour[std::size_t(k)]);
        for (int id : {MainId::DpiBar + k, MainId::DpiValue + k})
            if (auto* bar = control<CDPIValueShowControl>(id)) {
                bar->SetValue(step);
                bar->SetLocked(noTable);
            }
    }
    // The radios look selected up to the active level.
    DpiLevelMask = active >= 0 ? (1u << (active + 1)) - 1 : 0;
}

// The position of the active level follows the level itself; the last level stays on.
void DpiSection::onCheck(int level) {
    auto* check = control<CCheckButton>(MainId::DpiCheck + level);
    if (!check)
        return;
    if (!SetDpiLevelEnabled(CurrentProfile(), level, check->GetChecked())) {
        check->SetChecked(true);
        return;
    }
    controlsChanged(ChangeGroup::Settings);
}

// Dragging a bar sets the level's DPI; a click without a drag opens the DPI dialog.
void DpiSection::onBar(int level, LParam code, WParam value) {
    auto* bar = control<CVerticalSliderControl>(MainId::DpiBar + level);
    if (!bar || DpiSteps.count == 0)
        return;
    const auto step = std::uint16_t(std::min<WParam>(value, DpiSteps.count - 1));
    switch (code) {
    case NotifyPressed:
        barDragged_ = false;
        break;
    case NotifyValueChanged:
        barDragged_ = true;
        CurrentProfile().dpiStep[std::size_t(level)] = step;
        showStep(level, step);
        calls_.noteDrag(ChangeGroup::Settings);
        break;
    case NotifyClicked:
        if (!barDragged_) {
            // The press moved the bar; the dialog decides.
            showStep(level, ClampedStep(CurrentProfile().dpiStep[std::size_t(level)]));
            openDialog(level);
            break;
        }
        barDragged_ = false;
        storeStep(level, bar->GetValue());
        break;
    default:
        break;
    }
}

void DpiSection::showStep(int level, int step) {
    if (auto* radio = control<CControlBase>(MainId::DpiRadio + level)) {
        radio->SetText(DpiText(step));
        window_.InvalidateRect(radio->GetBounds());
    }
    for (int id : {MainId::DpiBar + level, MainId::DpiValue + level})
        if (auto* bar = control<CDPIValueShowControl>(id))
            bar->SetValue(step);
}

void DpiSection::openDialog(int level) {
    if (DpiSteps.count == 0 || !IsLevel(level))
        return;
    CDPIValueSettingDlg dialog(CurrentProfile().dpiStep[std::size_t(level)], DpiSteps, &window_);
    if (dialog.RunModal() == IDOK)
        storeStep(level, dialog.Step());
}

void DpiSection::storeStep(int level, int step) {
    if (DpiSteps.count == 0 || !IsLevel(level))
        return;
    CurrentProfile().dpiStep[std::size_t(level)] =
        std::uint16_t(std::clamp(step, 0, int(DpiSteps.count) - 1));
    profileChanged(ChangeGroup::Settings);
}

} // namespace ferrox
