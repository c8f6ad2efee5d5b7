// The lighting section: the mode list, speed and brightness, direction and the colour slots.

#include "app/main_window/ferrox_dlg.h"
#include "app/main_window/lighting_rules.h"
#include "app/main_window/main_layout.h"
#include "app/menus/list_popups.h"
#include "device/protocol/sync_controller.h"
#include "settings/config_table.h"
#include "ui/check_button.h"

#include <QApplication>
#include <QStyleHints>

#include <algorithm>
#include <utility>

namespace ferrox {
namespace {

// Timers 1..8: the single click on colour slot 0..7.
constexpr unsigned kFirstColourTimer = 1;

} // namespace

int CFerroxDlg::ColourClickMilliseconds() {
    return std::max(150, QGuiApplication::styleHints()->mouseDoubleClickInterval());
}

void CFerroxDlg::bindLightingHandlers() {
    bindMessage(LightingMenuMessage, [this](WParam, LParam code) {
        if (code == NotifyClicked)
            openList(new CComboLightingPopup, MainId::LightingMenu, ListMessage::LightingResult);
        return LResult(0);
    });
    bindMessage(ListMessage::LightingResult, [this](WParam, LParam result) {
        const auto& chosen = *reinterpret_cast<const PopupResult*>(result);
        LightingSettings& lighting = CurrentProfile().lighting;
        lighting.name = chosen.text;
        lighting.mode = std::min<std::uint8_t>(chosen.code[0], LightingModeCount - 1);
        lighting.spare = {chosen.code[1], chosen.code[2]};
        closeList(MainId::LightingMenu);
        RefreshView();
        requestApply(ChangeGroup::Settings);
        return LResult(0);
    });
    bindMessage(DeactivationMessage(PopupKind::LightingList), [this](WParam, LParam) {
        closeList(MainId::LightingMenu);
        return LResult(0);
    });
    for (int id : {MainId::DirectionUp, MainId::DirectionDown})
        onControl(id, [this](LParam code, WParam) {
            if (code != NotifyClicked)
                return;
            CollectView();
            RefreshView();
            requestApply(ChangeGroup::Settings);
        });
    for (int i = 0; i < 8; ++i) {
        onControl(MainId::ColourSlot + i, [this, i](LParam code, WParam) {
            if (code == NotifyClicked)
                onColourSlotClicked(i);
            else if (code == NotifyDoubleClicked)
                onColourSlotDoubleClicked(i);
        });
        bindTimer(kFirstColourTimer + unsigned(i), [this, i] { onColourSlotTimer(i); });
    }
}

// The profile's marks are the truth: the slot's own toggle is undone at once, and the mark
// changes only when no double click follows.
void CFerroxDlg::onColourSlotClicked(int slot) {
    RefreshView();
    if (inDoubleClick_)
        return; // the release of a double click
    SetTimer(kFirstColourTimer + unsigned(slot), ColourClickMilliseconds(),
             TimerMode::SingleShot);
}

void CFerroxDlg::onColourSlotDoubleClicked(int slot) {
    KillTimer(kFirstColourTimer + unsigned(slot));
    RefreshView();
    // The palette opens once the button has come up: the window sees its whole double click
    // before the dialog takes the pointer.
    paletteSlot_ = slot;
}

void CFerroxDlg::openSlotPalette() {
    const int slot = std::exchange(paletteSlot_, -1);
    if (slot < 0 || slot >= LightingColourSlots)
        return;
    LightingSettings& lighting = CurrentProfile().lighting;
    const int mode = std::min<int>(lighting.mode, LightingModeCount - 1);
    openPalette(lighting.colour[std::size_t(mode)][std::size_t(slot)]);
}

void CFerroxDlg::onColourSlotTimer(int slot) {
    KillTimer(kFirstColourTimer + unsigned(slot));
    LightingSettings& lighting = CurrentProfile().lighting;
    const int mode = std::min<int>(lighting.mode, LightingModeCount - 1);
    auto& marks = lighting.colourSelected[std::size_t(mode)];
    std::uint8_t& mark = marks[std::size_t(slot)];
    if (!mark) {
        mark = 1;
    } else if (const int refusal = ColourDeselectionRefusal(marks, mode, slot)) {
        showAttention(refusal);
    } else {
        mark = 0;
    }
    RefreshView();
    requestApply(ChangeGroup::Settings);
}

} // namespace ferrox
