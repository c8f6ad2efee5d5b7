// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/macro_dialogs/macro_step_rows.h"

#include "macros/macro_action_text.h"
#include "ui/image_show_list.h"

#include <algorithm>

namespace ferrox {

namespace {

int IconOf(const MacroAction& action) {
    if (action.IsDelay())
        return CImageShowList::DelayIcon;
    return action.b1 >= MacroReleaseFlag ? CImageShowList::ReleaseIcon : CImageShowList::PressIcon;
}

} // namespace

int MacroStepRows::Count() const {
    // The count comes from files: never trust it past the slots that exist.
    return macro_ ? static_cast<int>(std::min(macro_->MacroActionNum, MacroActionCapacity)) : 0;
}

ShowListRow MacroStepRows::Row(int row) const {
    const MacroAction action = macro_->GetAction(static_cast<std::uint32_t>(row));
    ShowListRow shown;
    shown.icon = IconOf(action);
    shown.text = MacroActionText(action);
    return shown;
}

} // namespace ferrox
