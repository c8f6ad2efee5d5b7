// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/profile_bar_window.h"

#include "app/dialogs/profile_name_dialog.h"
#include "app/menus/list_popups.h"
#include "app/menus/profile_popup.h"
#include "lang/language_table.h"
#include "ui/dlg_base.h"

#include <QScreen>

namespace ferrox {

namespace {

const QString kFilter = QStringLiteral("psf file (*.psf)");

// The language loader fills in the English texts a language file lacks.
QString LanguageString(int index) {
    return QString::fromStdWString(LanguageText(index));
}

} // namespace

WindowProfileBarHost::WindowProfileBarHost(CDlgBase& window, const WindowCalls& calls)
    : window_(window), calls_(calls), files_(window) {}

void WindowProfileBarHost::showProfileAgain() {
    if (calls_.showProfileAgain)
        calls_.showProfileAgain();
}

void WindowProfileBarHost::scheduleApply(unsigned groups) {
    if (calls_.scheduleApply)
        calls_.scheduleApply(groups);
}

void WindowProfileBarHost::showNotice(int textIndex, const char* english) {
    if (calls_.showNotice)
        calls_.showNotice(textIndex, english);
}

void WindowProfileBarHost::startActionTimer() {
    window_.SetTimer(kProfileActionTimer, 100, TimerMode::SingleShot);
}

std::optional<std::wstring> WindowProfileBarHost::askNewProfileName() {
    CAddProfileDlg dialog(&window_);
    if (dialog.RunModal() != IDOK)
        return std::nullopt;
    return dialog.Name();
}

std::optional<std::wstring> WindowProfileBarHost::askProfileName(const std::wstring& current) {
    CEditProfileDlg dialog(current, &window_);
    if (dialog.RunModal() != IDOK)
        return std::nullopt;
    return dialog.Name();
}

std::optional<std::filesystem::path> WindowProfileBarHost::askImportPath(
    const std::filesystem::path& folder) {
    return files_.Open(LanguageString(142), folder, kFilter);
}

std::optional<std::filesystem::path> WindowProfileBarHost::askExportPath(
    const std::filesystem::path& proposal) {
    return files_.Save(LanguageString(143), proposal, kFilter);
}

void WindowProfileBarHost::openProfileList(const ProfileListRows& rows, const QRect& rect) {
    window_.ClosePopup(kListPopupSlot);
    auto* list = new CComboProfilePopup(rows, "skins/header2_nr.png");
    window_.SetPopup(kListPopupSlot, list);
    list->Create(&window_, QRect(window_.mapToGlobal(rect.topLeft()), rect.size()),
                 ProfileBarMessage::ListResult, ProfileBarId::Chooser);
}

void WindowProfileBarHost::openProfileMenu(int slot, const QRect& rect, bool fromList) {
    window_.ClosePopup(kProfileMenuPopupSlot);
    auto* menu = new CProfileRKeyPopup;
    window_.SetPopup(kProfileMenuPopupSlot, menu);
    auto* list = fromList ? dynamic_cast<CWndPopup*>(window_.Popup(kListPopupSlot)) : nullptr;
    menu->Create(&window_, QRect(window_.mapToGlobal(rect.topLeft()), rect.size()),
                 ProfileBarMessage::MenuResult, ProfileBarId::FirstTab + slot, list);
}

bool WindowProfileBarHost::profileListOpen() const {
    return dynamic_cast<CComboProfilePopup*>(window_.Popup(kListPopupSlot)) != nullptr;
}

bool WindowProfileBarHost::profileMenuOpen() const {
    return window_.Popup(kProfileMenuPopupSlot) != nullptr;
}

void WindowProfileBarHost::closeProfileList() {
    if (profileListOpen())
        window_.ClosePopup(kListPopupSlot);
}

void WindowProfileBarHost::closeProfileMenu() {
    window_.ClosePopup(kProfileMenuPopupSlot);
}

int WindowProfileBarHost::windowTop() const {
    return window_.mapToGlobal(QPoint(0, 0)).y();
}

int WindowProfileBarHost::screenHeight() const {
    const int measured = calls_.screenHeight ? calls_.screenHeight() : 0;
    if (measured > 0)
        return measured;
    const QScreen* screen = window_.screen();
    return screen ? screen->geometry().height() : 0;
}

MainProfileBar::MainProfileBar(CDlgBase& window, const WindowCalls& calls)
    : host_(window, calls), bar_(host_) {
    bar_.Bind(window);
}

} // namespace ferrox
