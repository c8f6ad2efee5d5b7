#pragma once
// A question with OK and Cancel on the small frame: "Delete the selected item?".

#include "app/macro_dialogs/macro_small_dlg.h"

namespace ferrox {

class CMacroConfirmDlg : public CMacroSmallDlg {
public:
    // titleText and messageText: LanguageTable indexes.
    CMacroConfirmDlg(int titleText, int messageText, QWidget* parent = nullptr);

protected:
    void CreateValueField() override;
    bool Confirm() override { return true; }
    bool HasValueBox() const override { return false; }

private:
    int messageText_;
};

} // namespace ferrox
