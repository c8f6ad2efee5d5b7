// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/profile_name_dialog.h"

#include "app/dialogs/attention_dlg.h"
#include "app/dialogs/common_frame.h"
#include "lang/language_table.h"
#include "ui/control_factory.h"

#include <algorithm>
#include <cwctype>

namespace ferrox {

namespace {

using K = ControlKind;
constexpr int kNoticeEmptyName = 147;

bool Blank(const std::wstring& name) {
    return std::all_of(name.begin(), name.end(),
                       [](wchar_t c) { return std::iswspace(static_cast<wint_t>(c)); });
}

} // namespace

std::wstring CleanProfileName(std::wstring_view typed) {
    return PlainText(ProfileNameDialog::MaxNameLength)(typed);
}

ProfileNameDialog::ProfileNameDialog(const Layout& layout, std::wstring initial, QWidget* parent)
    : CDlgBase(parent, CommonFrame::Described(layout.titleText, DefaultKey::EndOk,
                                              DefaultKey::EndCancel)),
      layout_(layout), name_(CleanProfileName(initial)) {}

void ProfileNameDialog::CreateControls(int, int, int, int) {
    AddControls(*this, CommonFrame::EndRow);
    const ControlSpec title{.id = TitleId, .kind = K::StaticText,
                            .rect = {10, 5, layout_.titleRight, 23},
                            .textIndex = layout_.titleText,
                            .format = DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS,
                            .colour = look::HotText};
    AddControls(*this, std::span(&title, 1));
    EditField* edit = AddEditField(
        EditId, {layout_.editLeft, layout_.editTop, layout_.editRight, layout_.editBottom});
    edit->SetFilter(PlainText(MaxNameLength));
    edit->SetText(name_);
    edit->selectAll();
}

void ProfileNameDialog::OnOK() {
    const EditField* edit = FindEditField(EditId);
    const std::wstring typed = edit ? CleanProfileName(edit->GetText()) : std::wstring();
    if (Blank(typed)) {
        notice_ = CAttentionDlg::ShowNotice(this, LanguageText(kNoticeEmptyName));
        return;
    }
    name_ = typed;
    CDlgBase::OnOK();
}

CAddProfileDlg::CAddProfileDlg(QWidget* parent)
    : ProfileNameDialog({141, 420, 15, 65, 415, 87}, {}, parent) {}

CEditProfileDlg::CEditProfileDlg(std::wstring current, QWidget* parent)
    : ProfileNameDialog({144, 220, 11, 40, 306, 62}, std::move(current), parent) {}

} // namespace ferrox
