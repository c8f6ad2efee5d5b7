// The lighting section: the mode list, speed and brightness, direction and the colour slots.

#include "app/ferrox_dlg.h"
#include "app/main/lighting_rules.h"
#include "app/main/main_layout.h"
#include "device/sync_controller.h"
#include "settings/config_table.h"
#include "ui/check_button.h"

#include <QApplication>
#include <QStyleHints>

#include <algorithm>

namespace ferrox {
namespace {

// Timers 1..8: the single click on colour slot 0..7.
constexpr unsigned kFirstColourTimer = 1;

} // namespace

int CFerroxDlg::ColourClickMilliseconds() {
    return std::max(150, QGuiApplication::styleHints()->mouseDoubleClickInterval());
}

void CFerroxDlg::bindLightingHandlers() {
    bindMessage(LightingMenuMessage, [](WParam, LParam code) {
        if (code == NotifyClicked) {
            // Call site: the lighting-mode list below the menu; its choice sets the mode and
            // ends in RefreshView and requestApply(settings).
        }
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
    // Call site: the colour palette on colour[mode][slot]; with OK, colourEdited().
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
