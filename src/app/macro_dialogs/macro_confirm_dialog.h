// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A question with OK and Cancel on the small frame: "Delete the selected item?".

#include "app/macro_dialogs/macro_small_dialog.h"

namespace ferrox {

class MacroConfirmDialog : public MacroSmallDialog {
public:
    // titleText and messageText: LanguageTable indexes.
    MacroConfirmDialog(int titleText, int messageText, QWidget* parent = nullptr);

protected:
    void CreateValueField() override;
    bool Confirm() override { return true; }
    bool HasValueBox() const override { return false; }

private:
    int messageText_;
};

} // namespace ferrox
