#include "app/dialogs/attention_dlg.h"

#include "ui/control_factory.h"

namespace ferrox {
namespace {

constexpr ControlSpec kControls[] = {
    {CAttentionDlg::CloseId, ControlKind::Image, {300, 4, 315, 19}, {"exit_nr", "exit_ov"}},
    {CAttentionDlg::OkId, ControlKind::Image, {240, 70, 309, 90}, {"button2_nr", "button2_ov"}, 4,
     {}, {}, DT_CENTER},
    // Centred, and wrapped when it does not fit one line.
    {CAttentionDlg::MessageId, ControlKind::StaticText, {0, 40, 319, 60}, {}, -1, {}, {},
     DT_CENTER | DT_VCENTER | DT_WORDBREAK},
};

} // namespace

CAttentionDlg::CAttentionDlg(std::wstring title, std::wstring message, QWidget* parent, Mode mode)
    : CDlgBase(parent), title_(std::move(title)), message_(std::move(message)), mode_(mode) {
    SetDesignSize(DesignWidth, DesignHeight);
    if (mode_ == Mode::ModelessTopMost)
        setWindowFlag(Qt::WindowStaysOnTopHint);
    else
        setWindowModality(Qt::ApplicationModal);
    BindEndButtons(OkId, {CloseId});
}

CAttentionDlg* CAttentionDlg::Show(QWidget* parent, std::wstring title, std::wstring message,
                                   Mode mode) {
    auto* notice = new CAttentionDlg(std::move(title), std::move(message), parent, mode);
    notice->SetDeleteWhenEnded(true);
    notice->Create();
    return notice;
}

bool CAttentionDlg::OnInitDialog() {
    CDlgBase::OnInitDialog();
    setWindowTitle(QString::fromStdWString(title_));
    RegisterAsOpenDialog();
    LoadDialogFrame("skins/Frame_warning.bmp");
    return true;
}

void CAttentionDlg::CreateControls(int, int, int, int) {
    AddControls(*this, kControls);
    FindControl(MessageId)->SetText(message_);
}

} // namespace ferrox
