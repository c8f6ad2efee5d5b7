// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's key buttons and their function menus: a click on a key button opens the
// function menu beside it, its rows open submenus and dialogs, and every choice becomes the
// function of the button that opened the menu — shown on the button, stored in the current
// profile, sent to the mouse and saved. The mouse must keep a left click: an assignment that
// would take the last one away is undone, with a notice.

#include "app/menus/menu_placement.h"
#include "buttons/button_function.h"
#include "macros/macro_types.h"
#include "platform/messages.h"

#include <functional>
#include <string>

namespace ferrox {

class CComboButton;
class CDlgBase;
struct SubmenuInfo;

namespace KeyMenuMessage {
// Posted by the window to itself, so a dialog starts after the menu has gone.
inline constexpr unsigned OpenFireKey = 0x425;
inline constexpr unsigned OpenMacroSelection = 0x428;
inline constexpr unsigned OpenShortcut = 0x40A;
} // namespace KeyMenuMessage

// 100 ms after an assignment was undone to left click: the notice that says why.
inline constexpr unsigned kLeftClickNoticeTimer = 20;

struct KeyMenuCalls {
    std::function<void(unsigned groups)> scheduleApply;
    std::function<void(int textIndex)> showNotice;
};

class KeyFunctionMenus {
public:
    KeyFunctionMenus(CDlgBase& window, KeyMenuCalls calls);

    // Binds the menus' and dialogs' messages and timer 20 on the window.
    void Bind();
    // A key button's notification (its message 0x404): a click opens the function menu.
    void ComboNotified(int buttonId, LParam code);
    // A dialog's choice for the button whose menu opened it: its text, the function (a macro
    // copy for macro assignments), the popup-open flag cleared, the left click kept, the keys
    // sent and saved. Does nothing when no dialog was asked for.
    void ApplyDialogChoice(const std::wstring& name, const ButtonFunction& code,
                           const MacroKey* macro = nullptr);
    // The key button a dialog entry was chosen for (0 before any).
    int DialogButton() const { return dialogButton_; }

private:
    void bindMenus();
    void bindDialogs();
    void openMenu(int buttonId);
    void openSubmenu(const SubmenuInfo& submenu, int buttonId);
    void closeSubmenus();
    void closeMenus();
    bool anySubmenuOpen() const;
    void menuDismissed(int buttonId);
    void submenuDismissed(const SubmenuInfo& submenu, int buttonId, LParam kind);
    void dialogEntry(int buttonId, unsigned openMessage);
    void apply(int buttonId, const std::wstring& name, const ButtonFunction& code,
               const MacroKey* macro);
    LResult applyResult(WParam buttonId, LParam result);
    LResult applyDialogResult(LParam record);
    void runFireKeyDialog();
    void runShortcutDialog();

    CComboButton* button(int id) const;
    void showText(CComboButton& combo, const std::wstring& text);
    QRect onScreen(const QRect& client) const;
    QRect availableArea(const QRect& buttonOnScreen) const;

    CDlgBase& window_;
    KeyMenuCalls calls_;
    int dialogButton_ = 0;
    QRect menuButton_; // the key button on the screen, when the menu opened
    MenuPlace menuPlace_;
};

} // namespace ferrox
