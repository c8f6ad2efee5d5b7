// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window/window_part.h"

#include "app/dialogs/color_palette_dlg.h"
#include "device/protocol/change_groups.h"
#include "app/profile_bar_window.h"
#include "ui/combo_button.h"
#include "ui/control_notify.h"
#include "ui/menu_popup.h"
#include "ui/ui_scale.h"
#include "ui/ui_state.h"

namespace ferrox {

void SelectRadioBit(std::uint32_t bit, std::uint32_t group) {
    RadioGroupFlags = (RadioGroupFlags & ~group) | bit;
}

void WindowPart::onControl(int id, std::function<void(LParam, WParam)> handler) {
    window_.bindMessage(unsigned(id), [handler = std::move(handler)](WParam wParam, LParam code) {
        handler(code, wParam);
        return LResult(0);
    });
}

void WindowPart::onClick(int id, std::function<void()> handler) {
    onControl(id, [handler = std::move(handler)](LParam code, WParam) {
        if (code == NotifyClicked)
            handler();
    });
}

void WindowPart::onSlider(int id, unsigned group) {
    onControl(id, [this, group](LParam code, WParam) {
        if (code != NotifyValueChanged && code != NotifyClicked)
            return;
        calls_.collectView();
        calls_.showProfileAgain();
        if (code == NotifyValueChanged)
            calls_.noteDrag(group);
        else
            calls_.scheduleApply(group);
    });
}

void WindowPart::bindList(int menuId, unsigned menuMessage, PopupKind kind, unsigned resultMessage,
                          std::function<MenuPopup*()> makeList,
                          std::function<void(LParam)> chosen) {
    window_.bindMessage(menuMessage, [this, menuId, resultMessage,
                                      makeList = std::move(makeList)](WParam, LParam code) {
        if (code == NotifyClicked)
            openList(makeList(), menuId, resultMessage);
        return LResult(0);
    });
    window_.bindMessage(resultMessage, [chosen = std::move(chosen)](WParam, LParam result) {
        chosen(result);
        return LResult(0);
    });
    window_.bindMessage(DeactivationMessage(kind), [this, menuId](WParam, LParam) {
        closeList(menuId);
        return LResult(0);
    });
}

void WindowPart::openList(MenuPopup* list, int menuId, unsigned resultMessage) {
    window_.ClosePopup(kListPopupSlot);
    window_.SetPopup(kListPopupSlot, list);
    auto* menu = control<CComboButton>(menuId);
    const QPoint corner = menu ? menu->GetBounds().topLeft() : QPoint();
    if (menu) {
        menu->SetPopupOpen(true);
        window_.InvalidateRect(menu->GetBounds());
    }
    list->Create(&window_, QRect(window_.mapToGlobal(corner), QSize(Scaled(300), Scaled(300))),
                 resultMessage, menuId);
}

void WindowPart::closeList(int menuId) {
    if (auto* menu = control<CComboButton>(menuId)) {
        menu->SetPopupOpen(false);
        window_.InvalidateRect(menu->GetBounds());
    }
    window_.ClosePopup(kListPopupSlot);
}

void WindowPart::showAll(std::initializer_list<int> ids, bool shown) {
    for (int id : ids)
        if (auto* c = window_.FindControl(id))
            c->SetVisible(shown);
}

void WindowPart::profileChanged(unsigned groups) {
    calls_.showProfileAgain();
    calls_.scheduleApply(groups);
}

void WindowPart::controlsChanged(unsigned groups) {
    calls_.collectView();
    profileChanged(groups);
}

void WindowPart::editColour(Colour& colour) {
    CColorPaletteDlg dialog(colour, &window_);
    if (dialog.RunModal() == IDOK)
        profileChanged(ChangeGroup::Settings);
}

} // namespace ferrox
