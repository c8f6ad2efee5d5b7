// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The profile bar: the tabs of the shown profiles, the chooser with its profile list, the
// profile context menu and the add, rename, import and export buttons. Choices made in a popup
// run as a pending action after the popup has closed (timer 60). Every slot operation goes
// through the core's profile slots, so the bar and ferroxctl change profiles the same way.

#include "app/profile_bar_host.h"
#include "platform/messages.h"

#include <QRect>

#include <filesystem>

namespace ferrox {

class WindowBase;

namespace ProfileBarId {
inline constexpr int FirstTab = 2049; // 2049 + slot
inline constexpr int Rename = 2068;
inline constexpr int Export = 2069;
inline constexpr int Import = 2070;
inline constexpr int Add = 2071;
inline constexpr int Chooser = 3502;
} // namespace ProfileBarId

namespace ProfileBarMessage {
inline constexpr unsigned ListResult = 0x465;      // 1125: wParam 2 chosen, 11 right-clicked
inline constexpr unsigned ListDismissed = 0x466;   // 1126
inline constexpr unsigned MenuResult = 0x48C;      // 1164: wParam 2049 + slot
inline constexpr unsigned MenuDismissed = 0x48D;   // 1165
} // namespace ProfileBarMessage

inline constexpr unsigned kProfileActionTimer = 60;

// Entry ids of the profile list.
namespace ProfileListEntry {
inline constexpr int Header = 1;
inline constexpr int FirstProfile = 2; // 2..6: bar positions 0..4
inline constexpr int AddNew = 7;
} // namespace ProfileListEntry

enum class ProfileAction { Import = 0, Export = 1, Rename = 2, Remove = 3, Add = 4, RefuseAdd = 5 };

class ProfileBar {
public:
    explicit ProfileBar(ProfileBarHost& host) : host_(host) {}

    // Binds the controls' notifications, the popups' messages and timer 60 on the window.
    // tabRect and chooserRect find the controls' rectangles when a popup opens.
    void Bind(WindowBase& window);

    void TabClicked(int slot);
    void TabRightClicked(int slot, const QRect& tabRect);
    void ChooserHovered();
    void ChooserClicked(const QRect& chooserRect);
    // Message 1125: wParam 2 (chosen) or 11 (right-clicked), lParam the entry id.
    void ListResult(WParam how, LParam entry, const QRect& chooserRect);
    void ListDismissed();
    // Message 1164: the code of the chosen entry (0 import, 1 export, 2 rename, 3 remove).
    void MenuResult(int slot, int code);
    void MenuDismissed();
    void RunPendingAction();

    void AddClicked();
    void RenameClicked();
    void ExportClicked();
    void ImportClicked();

    // The folder the last import or export used; the file dialogs start there.
    const std::filesystem::path& LastFolder() const { return lastFolder_; }

private:
    void use(int slot);
    void add();
    void rename(int slot);
    void remove(int slot);
    void importInto(int slot);
    void exportFrom(int slot);
    std::filesystem::path startFolder() const;

    ProfileBarHost& host_;
    bool listOpenAtHover_ = false;
    ProfileAction pending_ = ProfileAction::Add;
    int pendingSlot_ = 0;
    std::filesystem::path lastFolder_;
};

// Rectangles of the two popups in the window's client pixels (s = UiScale).
QRect ProfileListRect(const QRect& chooser, double s);
// anchorLeft/anchorTop: where the menu opens before it is lifted to stay on the screen.
QRect ProfileMenuRect(int anchorLeft, int anchorTop, double s, int windowTop, int screenHeight);
// What the export dialog proposes: the profile's name with "/" (and other characters a file
// name cannot hold) replaced, and ".psf".
std::wstring ExportFileName(const std::wstring& profileName);
// The chosen path with ".psf" added when the user left the extension out.
std::filesystem::path WithProfileExtension(std::filesystem::path path);

} // namespace ferrox
