// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/macro_dialogs/macro_small_dialog.h"

#include "app/dialogs/attention_dlg.h"
#include "app/tool_tips.h"
#include "lang/language_table.h"
#include "platform/canvas.h"
#include "ui/control_factory.h"
#include "ui/dialog_rows.h"
#include "ui/ui_scale.h"

#include <algorithm>
#include <memory>

namespace ferrox {

namespace {

using K = ControlKind;
using D = MacroSmallDialog;
constexpr int kDigitsOnly = 175;

constexpr ControlSpec kButtons[] = {
    CloseButton(D::CloseId, {300, 4, 315, 19}),
    OkButton({170, 70, 235, 93}),
    CancelButton({240, 70, 305, 93}),
};

std::size_t NonDigits(std::wstring_view text) {
    return std::size_t(std::count_if(text.begin(), text.end(),
                                     [](wchar_t c) { return c < L'0' || c > L'9'; }));
}

} // namespace

MacroSmallDialog::MacroSmallDialog(int titleText, QWidget* parent, DefaultKey enter)
    : CDlgBase(parent, {.width = DesignWidth, .height = DesignHeight,
                        .skin = "skins/Frame_warning.bmp", .titleText = titleText,
                        .enter = enter, .escape = DefaultKey::EndCancel}),
      titleText_(titleText) {}

void MacroSmallDialog::CreateControls(int, int, int, int) {
    AddControls(*this, kButtons);
    const ControlSpec title{.id = titleId_, .kind = K::StaticText, .rect = {10, 3, 290, 21},
                            .textIndex = titleText_,
                            .format = DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS,
                            .colour = look::HotText};
    AddControls(*this, std::span(&title, 1));
    CreateValueField();
}

void MacroSmallDialog::DrawDialog(Canvas& canvas, const QRect& clientRect) {
    DrawBackground(canvas, clientRect);
    if (HasValueBox())
        canvas.FillRect(ScaledRect(ValueRect), 0xFFFFFF);
    DrawControls(canvas, clientRect);
}

void MacroSmallDialog::OnOK() {
    if (Confirm())
        CDlgBase::OnOK();
}

std::wstring MacroSmallDialog::ValueText() const {
    if (const EditField* edit = FindEditField(EditId))
        return edit->GetText();
    const CControlBase* value = FindControl(ValueId);
    return value && value->Id() != titleId_ ? value->GetText() : std::wstring();
}

EditField* MacroSmallDialog::AddValueEdit(const std::wstring& text, EditFilter filter) {
    EditField* edit = AddEditField(EditId, ValueRect);
    edit->SetFilter(std::move(filter));
    edit->SetText(text);
    edit->selectAll();
    edit->setFocus();
    return edit;
}

EditFilter MacroSmallDialog::DigitsWanted(std::size_t maxLength) {
    auto shown = std::make_shared<std::size_t>(0);
    // A QObject's guard: the field outlives this class's part of the window.
    QPointer<QObject> alive(this);
    return [alive, self = this, shown, maxLength](std::wstring_view typed) {
        std::wstring kept = PlainText(maxLength)(typed);
        const std::size_t now = NonDigits(kept);
        // Posted: the field is in the middle of taking the text.
        if (now > *shown && alive)
            self->PostTask([alive, self] {
                if (alive)
                    CAttentionDlg::ShowNotice(self, LanguageText(kDigitsOnly));
            });
        *shown = now;
        return kept;
    };
}

} // namespace ferrox
