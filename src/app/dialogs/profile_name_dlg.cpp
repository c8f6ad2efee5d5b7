#include "app/dialogs/profile_name_dlg.h"

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
    return PlainText(CProfileNameDlg::MaxNameLength)(typed);
}

CProfileNameDlg::CProfileNameDlg(const Layout& layout, std::wstring initial, QWidget* parent)
    : CDlgBase(parent, CommonFrame::Described(layout.titleText, DefaultKey::EndOk,
                                              DefaultKey::Swallow)),
      layout_(layout), name_(CleanProfileName(initial)) {}

void CProfileNameDlg::CreateControls(int, int, int, int) {
    AddControls(*this, CommonFrame::EndRow);
    const ControlSpec title{.id = TitleId, .kind = K::StaticText,
                            .rect = {10, 5, layout_.titleRight, 23},
                            .textIndex = layout_.titleText,
                            .format = DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS,
                            .colour = look::HotText};
    AddControls(*this, std::span(&title, 1));
    CEditField* edit = AddEditField(
        EditId, {layout_.editLeft, layout_.editTop, layout_.editRight, layout_.editBottom});
    edit->SetFilter(PlainText(MaxNameLength));
    edit->SetText(name_);
    edit->selectAll();
}

void CProfileNameDlg::OnOK() {
    const CEditField* edit = FindEditField(EditId);
    const std::wstring typed = edit ? CleanProfileName(edit->GetText()) : std::wstring();
    if (Blank(typed)) {
        notice_ = CAttentionDlg::ShowNotice(this, LanguageText(kNoticeEmptyName));
        return;
    }
    name_ = typed;
    CDlgBase::OnOK();
}

CAddProfileDlg::CAddProfileDlg(QWidget* parent)
    : CProfileNameDlg({141, 420, 15, 65, 415, 87}, {}, parent) {}

CEditProfileDlg::CEditProfileDlg(std::wstring current, QWidget* parent)
    : CProfileNameDlg({144, 220, 11, 40, 306, 62}, std::move(current), parent) {}

} // namespace ferrox
