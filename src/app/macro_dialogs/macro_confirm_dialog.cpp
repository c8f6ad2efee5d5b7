// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/macro_dialogs/macro_confirm_dialog.h"

#include "ui/control_factory.h"

namespace ferrox {

MacroConfirmDialog::MacroConfirmDialog(int titleText, int messageText, QWidget* parent)
    : MacroSmallDialog(titleText, parent), messageText_(messageText) {
    SetDefaultKeys(DefaultKey::EndOk, DefaultKey::EndCancel);
}

void MacroConfirmDialog::CreateValueField() {
    const ControlSpec message{.id = ValueId + 1000, .kind = ControlKind::StaticText,
                              .rect = {0, 30, 319, 64}, .textIndex = messageText_,
                              .format = DT_CENTER | DT_VCENTER | DT_WORDBREAK};
    AddControls(*this, std::span(&message, 1));
}

} // namespace ferrox
