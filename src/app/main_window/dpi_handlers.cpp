// The DPI section: levels on and off, their DPI by bar or dialog, their colours.

#include "app/dialogs/color_palette_dlg.h"
#include "app/dialogs/dpi_value_dlg.h"
#include "app/main_window/ferrox_dlg.h"
#include "app/main_window/main_layout.h"
#include "device/protocol/sync_controller.h"
#include "settings/config_table.h"
#include "settings/dpi_levels.h"
#include "ui/check_button.h"
#include "ui/level_bar_controls.h"
#include "ui/radio_button.h"

#include <algorithm>

namespace ferrox {

std::wstring DpiText(int step); // main_view.cpp

void CFerroxDlg::bindDpiHandlers() {
    for (int k = 0; k < DpiLevelCount; ++k) {
        onControl(MainId::DpiCheck + k, [this, k](LParam code, WParam) {
            if (code == NotifyClicked)
                onDpiCheck(k);
        });
        onControl(MainId::DpiBar + k,
                  [this, k](LParam code, WParam value) { onDpiBar(k, code, value); });
        onControl(MainId::DpiValue + k, [this, k](LParam code, WParam) {
            if (code == NotifyClicked)
                openDpiDialog(k);
        });
        // A click changes the radios' look only; the mouse's DPI button picks the level.
        onControl(MainId::DpiRadio + k, [this](LParam code, WParam) {
            if (code == NotifyClicked)
                RefreshView();
        });
        onControl(MainId::DpiColour + k, [this, k](LParam code, WParam) {
            if (code == NotifyClicked)
                openDpiColour(k);
        });
    }
}

// The position of the active level follows the level itself; the last level stays on.
void CFerroxDlg::onDpiCheck(int level) {
    auto* check = FindControlAs<CCheckButton>(MainId::DpiCheck + level);
    if (!check)
        return;
    if (!SetDpiLevelEnabled(CurrentProfile(), level, check->GetChecked())) {
        check->SetChecked(true);
        return;
    }
    CollectView();
    RefreshView();
    requestApply(ChangeGroup::Settings);
}

// Dragging a bar sets the level's DPI; a click without a drag opens the DPI dialog.
void CFerroxDlg::onDpiBar(int level, LParam code, WParam value) {
    ProfileSettings& profile = CurrentProfile();
    auto* bar = FindControlAs<CVerticalSliderControl>(MainId::DpiBar + level);
    if (!bar || DpiSteps.count == 0)
        return;
    const auto step = std::uint16_t(std::min<WParam>(value, DpiSteps.count - 1));
    switch (code) {
    case NotifyPressed:
        barDragged_ = false;
        break;
    case NotifyValueChanged:
        barDragged_ = true;
        profile.dpiStep[std::size_t(level)] = step;
        if (auto* radio = FindControl(MainId::DpiRadio + level))
            radio->SetText(DpiText(step));
        if (auto* shown = FindControlAs<CDPIValueShowControl>(MainId::DpiValue + level))
            shown->SetValue(step);
        noteDrag(ChangeGroup::Settings);
        break;
    case NotifyClicked:
        if (!barDragged_) {
            RefreshView(); // the press moved the bar; the dialog decides
            openDpiDialog(level);
            break;
        }
        barDragged_ = false;
        profile.dpiStep[std::size_t(level)] =
            std::uint16_t(std::min<int>(bar->GetValue(), int(DpiSteps.count) - 1));
        RefreshView();
        requestApply(ChangeGroup::Settings);
        break;
    default:
        break;
    }
}

void CFerroxDlg::openDpiDialog(int level) {
    if (DpiSteps.count == 0 || level < 0 || level >= DpiLevelCount)
        return;
    CDPIValueSettingDlg dialog(CurrentProfile().dpiStep[std::size_t(level)], DpiSteps, this);
    if (dialog.RunModal() == IDOK)
        storeDpiStep(level, dialog.Step());
}

void CFerroxDlg::storeDpiStep(int level, int step) {
    if (DpiSteps.count == 0 || level < 0 || level >= DpiLevelCount)
        return;
    CurrentProfile().dpiStep[std::size_t(level)] =
        std::uint16_t(std::clamp(step, 0, int(DpiSteps.count) - 1));
    RefreshView();
    requestApply(ChangeGroup::Settings);
}

void CFerroxDlg::openDpiColour(int level) {
    if (level < 0 || level >= DpiLevelCount)
        return;
    openPalette(CurrentProfile().dpiColour[std::size_t(level)]);
}

void CFerroxDlg::openPalette(Colour& colour) {
    CColorPaletteDlg dialog(colour, this);
    if (dialog.RunModal() == IDOK)
        colourEdited();
}

void CFerroxDlg::colourEdited() {
    RefreshView();
    requestApply(ChangeGroup::Settings);
}

} // namespace ferrox
