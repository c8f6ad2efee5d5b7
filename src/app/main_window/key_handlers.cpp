// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The key buttons' function menus in the main window: opening, placing and closing the menu
// family, and applying what the menus and dialogs chose.

#include "app/dialogs/fire_key_dlg.h"
#include "app/dialogs/key_choice.h"
#include "app/dialogs/shortcut_dlg.h"
#include "app/main_window/key_menus.h"
#include "app/menus/function_menus.h"
#include "base/app_globals.h"
#include "buttons/key_slot.h"
#include "device/protocol/change_groups.h"
#include "settings/key_assignment.h"
#include "ui/combo_button.h"
#include "ui/control_notify.h"
#include "ui/dlg_base.h"

#include <QGuiApplication>
#include <QScreen>

namespace ferrox {

namespace {

// The function menu shares the first popup slot with the window's lists; the submenus take
// the next five, in the order of kSubmenus.
constexpr int kMenuSlot = 0;
constexpr int kLeftClickNoticeText = 151;

int SlotOf(const SubmenuInfo& submenu) {
    return 1 + int(&submenu - kSubmenus);
}

ButtonFunction FunctionOf(const PopupResult& result) {
    return {result.code[0], result.code[1], result.code[2]};
}

} // namespace

KeyFunctionMenus::KeyFunctionMenus(CDlgBase& window, KeyMenuCalls calls)
    : window_(window), calls_(std::move(calls)) {}

void KeyFunctionMenus::Bind() {
    bindMenus();
    bindDialogs();
    window_.bindTimer(kLeftClickNoticeTimer, [this] {
        window_.KillTimer(kLeftClickNoticeTimer);
        if (calls_.showNotice)
            calls_.showNotice(kLeftClickNoticeText);
    });
}

void KeyFunctionMenus::bindMenus() {
    namespace M = FunctionMenuMessage;
    window_.bindMessage(M::Result, [this](WParam w, LParam l) { return applyResult(w, l); });
    window_.bindMessage(M::Dismissed, [this](WParam w, LParam) {
        menuDismissed(int(w));
        return 0;
    });
    window_.bindMessage(M::Highlighted, [this](WParam, LParam) {
        closeSubmenus();
        if (WindowBase* menu = window_.Popup(kMenuSlot))
            menu->raise();
        return 0;
    });
    for (const SubmenuInfo& submenu : kSubmenus) {
        window_.bindMessage(submenu.openMessage, [this, &submenu](WParam w, LParam) {
            openSubmenu(submenu, int(w));
            return 0;
        });
        window_.bindMessage(submenu.resultMessage,
                            [this](WParam w, LParam l) { return applyResult(w, l); });
        window_.bindMessage(DeactivationMessage(submenu.kind), [this, &submenu](WParam w, LParam l) {
            submenuDismissed(submenu, int(w), l);
            return 0;
        });
    }
}

// The macro selection's open message is left to the macro selection, which applies its
// choice through ApplyDialogChoice.
void KeyFunctionMenus::bindDialogs() {
    namespace M = FunctionMenuMessage;
    const std::pair<unsigned, unsigned> dialogEntries[] = {
        {M::FireKeyChosen, KeyMenuMessage::OpenFireKey},
        {M::MacroChosen, KeyMenuMessage::OpenMacroSelection},
        {M::ShortcutChosen, KeyMenuMessage::OpenShortcut},
    };
    for (const auto& [entry, open] : dialogEntries)
        window_.bindMessage(entry, [this, open = open](WParam w, LParam) {
            dialogEntry(int(w), open);
            return 0;
        });
    window_.bindMessage(KeyMenuMessage::OpenFireKey, [this](WParam, LParam) {
        runFireKeyDialog();
        return 0;
    });
    window_.bindMessage(KeyMenuMessage::OpenShortcut, [this](WParam, LParam) {
        runShortcutDialog();
        return 0;
    });
    for (unsigned message : {KeyChoiceMessage::FireKey, KeyChoiceMessage::Shortcut})
        window_.bindMessage(message, [this](WParam, LParam l) { return applyDialogResult(l); });
}

void KeyFunctionMenus::ComboNotified(int buttonId, LParam code) {
    if (code == NotifyClicked && SlotOfButton(buttonId) >= 0)
        openMenu(buttonId);
}

CComboButton* KeyFunctionMenus::button(int id) const {
    return window_.FindControlAs<CComboButton>(id);
}

void KeyFunctionMenus::showText(CComboButton& combo, const std::wstring& text) {
    combo.SetText(text);
    window_.InvalidateRect(combo.GetBounds());
}

QRect KeyFunctionMenus::onScreen(const QRect& client) const {
    return QRect(window_.mapToGlobal(client.topLeft()), client.size());
}

// Wayland tells no window where it is: the compositor keeps popups on the screen itself,
// against the parent they are placed next to.
QRect KeyFunctionMenus::availableArea(const QRect& buttonOnScreen) const {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return {};
    const QScreen* screen = QGuiApplication::screenAt(buttonOnScreen.center());
    if (!screen)
        screen = window_.screen();
    return screen ? screen->availableGeometry() : QRect();
}

// --- opening and closing ---

void KeyFunctionMenus::openMenu(int buttonId) {
    CComboButton* combo = button(buttonId);
    if (!combo)
        return;
    combo->SetPopupOpen(true);
    window_.InvalidateRect(combo->GetBounds());
    menuButton_ = onScreen(combo->GetBounds());
    const QSize size = CWndPopup::LaidOutSize(PopupKind::FunctionMenu, 16);
    menuPlace_ = PlaceFunctionMenu(menuButton_, size, availableArea(menuButton_), UiScale);
    closeMenus();
    // The slot is set before the window exists, so a dismissal while it opens finds it.
    auto* menu = new CComboPopup;
    window_.SetPopup(kMenuSlot, menu);
    menu->Create(&window_, menuPlace_.rect, FunctionMenuMessage::Result, buttonId);
}

void KeyFunctionMenus::openSubmenu(const SubmenuInfo& submenu, int buttonId) {
    auto* menu = dynamic_cast<CWndPopup*>(window_.Popup(kMenuSlot));
    if (!menu || window_.Popup(SlotOf(submenu)))
        return;
    for (int slot = 1; slot < CDlgBase::PopupSlotCount; ++slot)
        window_.ClosePopup(slot);
    auto* popup = new FunctionSubmenu(submenu.kind);
    const int rows = int(popup->RowCount());
    const QSize size = CWndPopup::LaidOutSize(submenu.kind, rows);
    const QRect rect = PlaceSubmenu(submenu, menuButton_, menuPlace_, size,
                                    availableArea(menuButton_), UiScale);
    window_.SetPopup(SlotOf(submenu), popup);
    popup->Create(&window_, rect, submenu.resultMessage, buttonId, menu);
}

bool KeyFunctionMenus::anySubmenuOpen() const {
    for (const SubmenuInfo& submenu : kSubmenus)
        if (window_.Popup(SlotOf(submenu)))
            return true;
    return false;
}

void KeyFunctionMenus::closeSubmenus() {
    for (const SubmenuInfo& submenu : kSubmenus)
        window_.ClosePopup(SlotOf(submenu));
}

void KeyFunctionMenus::closeMenus() {
    closeSubmenus();
    window_.ClosePopup(kMenuSlot);
}

// The desktop took the menu down (a click elsewhere, Escape, a compositor ending the whole
// chain). Opening a submenu never does that here, so a submenu goes with its menu.
void KeyFunctionMenus::menuDismissed(int buttonId) {
    if (CComboButton* combo = button(buttonId)) {
        combo->SetPopupOpen(false);
        window_.InvalidateRect(combo->GetBounds());
    }
    closeMenus();
}

void KeyFunctionMenus::submenuDismissed(const SubmenuInfo& submenu, int buttonId, LParam kind) {
    if (kind != LParam(submenu.kind) || !window_.Popup(SlotOf(submenu)))
        return;
    const auto* menu = dynamic_cast<const CWndPopup*>(window_.Popup(kMenuSlot));
    if (menu && menu->isVisible() && menu->Tracking())
        return; // the pointer is back on the menu (Escape there): only the submenu goes
    CComboButton* combo = button(buttonId);
    if (combo)
        window_.InvalidateRect(combo->GetBounds());
    window_.ClosePopup(SlotOf(submenu));
    if (anySubmenuOpen())
        return;
    window_.ClosePopup(kMenuSlot);
    if (combo)
        combo->SetPopupOpen(false);
}

// --- choices ---

void KeyFunctionMenus::dialogEntry(int buttonId, unsigned openMessage) {
    if (CComboButton* combo = button(buttonId)) {
        combo->SetPopupOpen(false);
        window_.InvalidateRect(combo->GetBounds());
    }
    closeMenus();
    dialogButton_ = buttonId;
    window_.PostMessage(openMessage);
}

LResult KeyFunctionMenus::applyResult(WParam buttonId, LParam result) {
    const auto* chosen = reinterpret_cast<const PopupResult*>(result);
    if (chosen)
        apply(int(buttonId), chosen->text, FunctionOf(*chosen), nullptr);
    return 0;
}

LResult KeyFunctionMenus::applyDialogResult(LParam record) {
    if (const auto* choice = reinterpret_cast<const KeyChoice*>(record))
        ApplyDialogChoice(choice->name, choice->code);
    return 0;
}

void KeyFunctionMenus::ApplyDialogChoice(const std::wstring& name, const ButtonFunction& code,
                                         const MacroKey* macro) {
    if (dialogButton_ != 0)
        apply(dialogButton_, name, code, macro);
}

void KeyFunctionMenus::apply(int buttonId, const std::wstring& name, const ButtonFunction& code,
                             const MacroKey* macro) {
    CComboButton* combo = button(buttonId);
    if (!combo)
        return;
    showText(*combo, name);
    SetKeyFunction(buttonId, name, code, macro);
    combo->SetPopupOpen(false);
    closeMenus();
    const LeftClickCheck check = EnsureLeftClick(buttonId);
    if (check.restored) {
        showText(*combo, check.buttonText);
        window_.SetTimer(kLeftClickNoticeTimer, 100, TimerMode::SingleShot);
        return; // the mouse already has what the slot holds again
    }
    if (calls_.scheduleApply)
        calls_.scheduleApply(macro ? ChangeGroup::Keys | ChangeGroup::Macros : ChangeGroup::Keys);
}

// --- dialogs ---

void KeyFunctionMenus::runFireKeyDialog() {
    CFireKeyDlg dialog(&window_);
    dialog.RunModal();
}

void KeyFunctionMenus::runShortcutDialog() {
    CShortcutDlg dialog(&window_);
    dialog.RunModal();
}

} // namespace ferrox
