#include "app/dialogs/profile_name_dlg.h"

#include "app/dialogs/attention_dlg.h"
#include "app/tool_tips.h"
#include "settings/language_text.h"
#include "ui/control_factory.h"

#include <algorithm>
#include <cwctype>

namespace ferrox {

namespace {

using K = ControlKind;
using D = CProfileNameDlg;
constexpr unsigned kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr int kNoticeTitle = 150;
constexpr int kNoticeEmptyName = 147;

constexpr ControlSpec kButtons[] = {
    CloseButton(D::CloseId, {405, 4, 420, 19}),
    {D::OkId, K::Image, {260, 110, 329, 130}, {"button2_nr", "button2_ov"}, 4, {}, {}, kCentred},
    {D::CancelId, K::Image, {350, 110, 419, 130}, {"button2_nr", "button2_ov"}, 5, {}, {},
     kCentred},
};

bool Blank(const std::wstring& name) {
    return std::all_of(name.begin(), name.end(),
                       [](wchar_t c) { return std::iswspace(static_cast<wint_t>(c)); });
}

} // namespace

std::wstring CleanProfileName(std::wstring_view typed) {
    return PlainText(CProfileNameDlg::MaxNameLength)(typed);
}

CProfileNameDlg::CProfileNameDlg(const Layout& layout, std::wstring initial, QWidget* parent)
    : CDlgBase(parent), layout_(layout), name_(CleanProfileName(initial)) {
    SetDesignSize(DesignWidth, DesignHeight);
    setWindowModality(Qt::ApplicationModal);
    SetDefaultKeys(DefaultKey::EndOk, DefaultKey::Swallow);
    BindEndButtons(OkId, {CloseId, CancelId});
}

bool CProfileNameDlg::OnInitDialog() {
    CDlgBase::OnInitDialog();
    setWindowTitle(QString::fromStdWString(LanguageText(layout_.titleText)));
    RegisterAsOpenDialog();
    LoadDialogFrame("skins/Frame_common.bmp");
    return true;
}

void CProfileNameDlg::CreateControls(int, int, int, int) {
    AddControls(*this, kButtons);
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
        notice_ = CAttentionDlg::Show(this, LanguageText(kNoticeTitle),
                                      LanguageText(kNoticeEmptyName), CAttentionDlg::Mode::Modal);
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
