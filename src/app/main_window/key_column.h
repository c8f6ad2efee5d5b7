// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The key column of the left panel: the key buttons with their function menus, the marker on
// the mouse picture for the button under the pointer, and the way into the macros (the macro
// manager, and the selection a key button's macro entry opens).

#include "app/main_window/key_menus.h"
#include "app/main_window/window_part.h"

#include <QImage>

#include <array>

namespace ferrox {

class Canvas;
class SyncSession;

namespace MainId {
enum : int {
    KeyCombo = 2013, // ..2021, buttons 1..9
    MacroManager = 2062,
    ButtonsTitle = 3008,
};
}

inline constexpr int KeyComboCount = 9;
inline constexpr unsigned KeyComboMessage = 1028;

class KeyColumn : public WindowPart {
public:
    KeyColumn(CDlgBase& window, const WindowCalls& calls, SyncSession& session);

    void Bind() override;
    void Refresh(const ProfileSettings& profile) override;
    void DrawMarker(Canvas& canvas);
    KeyFunctionMenus& Menus() { return menus_; }

private:
    void onCombo(WParam id, LParam code);
    void openMacroManager();
    void afterMacroManager();

    SyncSession& session_;
    KeyFunctionMenus menus_;
    int markedButton_ = 0; // key button 1..9 under the pointer, 0 for none
    std::array<QImage, KeyComboCount> markers_;
};

} // namespace ferrox
