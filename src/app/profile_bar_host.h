// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the profile bar needs from the window that owns it: the view, the apply, notices, its
// action timer, the name and file dialogs, and the two popups. The window implements it with
// real dialogs and popups (WindowProfileBarHost); tests implement it with answers of their own.

#include <QRect>

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace ferrox {

// The profile list as the chooser opens it: entries 2..6 show these names (empty: nothing
// shown, nothing chosen); `selected` counts the header as 0.
struct ProfileListRows {
    std::array<std::wstring, 5> names;
    int selected = 1;
};

class ProfileBarHost {
public:
    virtual ~ProfileBarHost() = default;

    virtual void showProfileAgain() = 0;
    // ChangeGroup bits; the apply follows on the window's apply timer.
    virtual void scheduleApply(unsigned groups) = 0;
    // An attention notice with a text of the language file (english when the file has none).
    virtual void showNotice(int textIndex, const char* english) = 0;
    // Timer 60: 100 ms, one-shot; its expiry runs ProfileBar::RunPendingAction.
    virtual void startActionTimer() = 0;

    // The add-profile and edit-profile dialogs: the name confirmed, nothing when cancelled.
    virtual std::optional<std::wstring> askNewProfileName() = 0;
    virtual std::optional<std::wstring> askProfileName(const std::wstring& current) = 0;
    // File dialogs for "*.psf": the chosen path, nothing when cancelled.
    virtual std::optional<std::filesystem::path> askImportPath(
        const std::filesystem::path& folder) = 0;
    virtual std::optional<std::filesystem::path> askExportPath(
        const std::filesystem::path& proposal) = 0;

    // Popups, at rectangles in the window's client pixels. The context menu reports with
    // ownerId 2049 + slot; opened from the list, it belongs to the list.
    virtual void openProfileList(const ProfileListRows& rows, const QRect& rect) = 0;
    virtual void openProfileMenu(int slot, const QRect& rect, bool fromList) = 0;
    virtual bool profileListOpen() const = 0;
    virtual bool profileMenuOpen() const = 0;
    virtual void closeProfileList() = 0;
    virtual void closeProfileMenu() = 0;

    // Placement: the window's top on the screen and the screen height measured at start-up.
    virtual int windowTop() const = 0;
    virtual int screenHeight() const = 0;
};

} // namespace ferrox
