// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The profile bar's host in the main window: real name dialogs, the desktop's file dialogs and
// the profile list and context menu as popups of the window. What only the window knows (its
// view, apply, notices and the screen it measured) it hands in as its calls.

#include "app/kept_file_dialog.h"
#include "app/main_window/window_calls.h"
#include "app/profile_bar.h"

#include <QPointer>

#include <functional>

namespace ferrox {

class CDlgBase;

// Popup slots of the main window: the lists share the first with the key function menu; the
// profile context menu has its own.
inline constexpr int kListPopupSlot = 0;
inline constexpr int kProfileMenuPopupSlot = 10;

class WindowProfileBarHost : public ProfileBarHost {
public:
    WindowProfileBarHost(CDlgBase& window, const WindowCalls& calls);

    void showProfileAgain() override;
    void scheduleApply(unsigned groups) override;
    void showNotice(int textIndex, const char* english) override;
    void startActionTimer() override;
    std::optional<std::wstring> askNewProfileName() override;
    std::optional<std::wstring> askProfileName(const std::wstring& current) override;
    std::optional<std::filesystem::path> askImportPath(const std::filesystem::path& folder) override;
    std::optional<std::filesystem::path> askExportPath(
        const std::filesystem::path& proposal) override;
    void openProfileList(const ProfileListRows& rows, const QRect& rect) override;
    void openProfileMenu(int slot, const QRect& rect, bool fromList) override;
    bool profileListOpen() const override;
    bool profileMenuOpen() const override;
    void closeProfileList() override;
    void closeProfileMenu() override;
    int windowTop() const override;
    int screenHeight() const override;

private:
    CDlgBase& window_;
    const WindowCalls& calls_;
    KeptFileDialog files_; // import and export share it
};

// The main window's profile bar, bound to its controls, messages and timer 60.
class MainProfileBar {
public:
    MainProfileBar(CDlgBase& window, const WindowCalls& calls);
    ProfileBar& Bar() { return bar_; }

private:
    WindowProfileBarHost host_;
    ProfileBar bar_;
};

} // namespace ferrox
