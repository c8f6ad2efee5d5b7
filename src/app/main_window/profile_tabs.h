// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The profile bar under the mouse picture: the tabs of the shown profiles in their order, the
// add button below them, and the bar's own handlers (app/profile_bar.h).

#include "app/main_window/window_part.h"
#include "app/profile_bar_window.h"

namespace ferrox {

namespace MainId {
enum : int {
    ProfileTab = 2049, // ..2053, slots 0..4
    RenameProfile = 2068,
    ExportProfile = 2069,
    ImportProfile = 2070,
    AddProfile = 2071,
    ProfilesTitle = 3009,
    ProfileMenu = 3100,
};
}

inline constexpr unsigned ProfileMenuMessage = 1124;

class ProfileTabs : public WindowPart {
public:
    using WindowPart::WindowPart;

    void Bind() override;
    void Refresh(const ProfileSettings& profile) override;
    // The shown tabs in the bar's order, and the add button under the last.
    void Place();

private:
    std::unique_ptr<MainProfileBar> bar_;
};

} // namespace ferrox
