// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One part of the main window (a section of the right column, a panel of the left one): it
// binds its controls' notifications, shows the current profile in its controls and writes
// their state back.

#include "app/main_window/window_calls.h"
#include "base/colour.h"
#include "ui/dlg_base.h"

#include "ui/popup_kind.h"

#include <cstdint>
#include <functional>
#include <initializer_list>

namespace ferrox {

class MenuPopup;
struct ProfileSettings;

// Selects a radio of the program's radio groups: its bit set, the others of its group cleared.
void SelectRadioBit(std::uint32_t bit, std::uint32_t group);

class WindowPart {
public:
    WindowPart(CDlgBase& window, const WindowCalls& calls) : window_(window), calls_(calls) {}
    virtual ~WindowPart() = default;
    WindowPart(const WindowPart&) = delete;
    WindowPart& operator=(const WindowPart&) = delete;

    // Binds the notifications of its controls on the window; once, before the window is made.
    virtual void Bind() = 0;
    virtual void Refresh(const ProfileSettings&) {}
    virtual void Collect(ProfileSettings&) {}

protected:
    // One handler for a control's notifications, with the code and wParam.
    void onControl(int id, std::function<void(LParam code, WParam wParam)> handler);
    // A handler for the control's clicks only.
    void onClick(int id, std::function<void()> handler);
    // While held, a slider shows its value and writes the profile; the apply waits for the
    // release.
    void onSlider(int id, unsigned group);
    // A menu whose click opens its list below it (300 × 300 design units from the menu's
    // top-left corner); the list's choice goes to `chosen`, which closes the list.
    void bindList(int menuId, unsigned menuMessage, PopupKind kind, unsigned resultMessage,
                  std::function<MenuPopup*()> makeList, std::function<void(LParam)> chosen);
    void closeList(int menuId);
    void showAll(std::initializer_list<int> ids, bool shown);
    template <typename Control> Control* control(int id) const {
        return window_.FindControlAs<Control>(id);
    }
    // The profile was changed directly: shown, and the groups sent.
    void profileChanged(unsigned groups);
    // The controls were changed: their state goes into the profile first.
    void controlsChanged(unsigned groups);
    // The colour palette on a colour of the profile; a confirmed colour is shown and sent.
    void editColour(Colour& colour);
    void notice(int textIndex, const char* english = "") { calls_.showNotice(textIndex, english); }

    CDlgBase& window_;
    const WindowCalls& calls_;

private:
    void openList(MenuPopup* list, int menuId, unsigned resultMessage);
};

} // namespace ferrox
