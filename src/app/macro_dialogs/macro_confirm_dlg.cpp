#include "app/macro_dialogs/macro_confirm_dlg.h"

#include "ui/control_factory.h"

namespace ferrox {

CMacroConfirmDlg::CMacroConfirmDlg(int titleText, int messageText, QWidget* parent)
    : CMacroSmallDlg(titleText, parent), messageText_(messageText) {
    SetDefaultKeys(DefaultKey::EndOk, DefaultKey::EndCancel);
}

void CMacroConfirmDlg::CreateValueField() {
    const ControlSpec message{.id = ValueId + 1000, .kind = ControlKind::StaticText,
                              .rect = {0, 30, 319, 64}, .textIndex = messageText_,
                              .format = DT_CENTER | DT_VCENTER | DT_WORDBREAK};
    AddControls(*this, std::span(&message, 1));
}

} // namespace ferrox
