// The main window's two directions between the current profile and its controls.

#include "app/main_window/ferrox_dlg.h"
#include "app/main_window/main_layout.h"
#include "app/main_window/main_window_parts.h"
#include "settings/config_table.h"
#include "ui/combo_button.h"
#include "ui/ui_state.h"

#include <algorithm>

namespace ferrox {
void CFerroxDlg::RefreshView() {
    if (placedLongTable_ != hasLiftOff()) { // the sensor changed
        placedLongTable_ = hasLiftOff();
        placeColumn();
    }
    ++parts_->viewRefreshes;
    refreshProfileBar();
    const ProfileSettings& profile = CurrentProfile();
    for (int n = 0; n < 7; ++n)
        if (auto* combo = FindControlAs<CComboButton>(MainId::KeyCombo + n))
            combo->SetText(profile.keys[std::size_t(n)].name);
    for (WindowPart* part : parts_->All())
        part->Refresh(profile);
    Invalidate();
}

void CFerroxDlg::refreshProfileBar() {
    const ProfileBarList bar = ReadProfileBar();
    const int current = CurrentSlot();
    MainPageIndex = -1; // no tab selected while the current slot is not on the bar
    for (int s = 0; s < ProfileCount; ++s) {
        auto* tab = FindControl(MainId::ProfileTab + s);
        if (!tab)
            continue;
        tab->SetText(ProfileValue(Profiles[std::size_t(s)], ProfileKey::ProfileName));
        const auto* end = bar.slots.begin() + bar.count;
        const bool listed = std::find(bar.slots.begin(), end, s) != end;
        tab->SetShown(listed ? 1 : 0);
        if (listed && s == current)
            MainPageIndex = s;
    }
    if (auto* menu = FindControl(MainId::ProfileMenu))
        menu->SetText(ProfileValue(CurrentProfile(), ProfileKey::ProfileName));
    placeProfileBar();
}

void CFerroxDlg::CollectView() {
    ProfileSettings& profile = CurrentProfile();
    for (WindowPart* part : parts_->All())
        part->Collect(profile);
}

} // namespace ferrox
