// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/attention_dlg.h"

#include "app/tool_tips.h"
#include "lang/language_table.h"
#include "ui/control_factory.h"
#include "ui/dialog_rows.h"
#include "ui/ui_scale.h"

#include <QFontMetrics>


namespace ferrox {
namespace {

constexpr ControlSpec kControls[] = {
    CloseButton(CAttentionDlg::CloseId, {300, 4, 315, 19}),
    OkButton({240, 70, 309, 90}, DT_CENTER),
    // Centred, and wrapped when it does not fit one line.
    {CAttentionDlg::MessageId, ControlKind::StaticText, {10, 40, 309, 60}, {}, -1, {}, {},
     DT_CENTER | DT_VCENTER | DT_WORDBREAK},
};

constexpr int kMessageLeft = 10, kMessageRight = 309, kMessageTop = 40, kMessageHeight = 20;

// Pixels the message needs beyond its one line, in the font it is drawn with.
int ExtraMessagePixels(const CControlBase& text, const std::wstring& message) {
    const QRect wrapped = QFontMetrics(text.Font()).boundingRect(
        QRect(0, 0, text.GetBounds().width(), 100000), Qt::TextWordWrap,
        QString::fromStdWString(message));
    return std::max(0, wrapped.height() - Scaled(kMessageHeight));
}

} // namespace

CAttentionDlg::CAttentionDlg(std::wstring title, std::wstring message, QWidget* parent, Mode mode)
    : CDlgBase(parent, {.width = DesignWidth, .height = DesignHeight,
                        .skin = "skins/Frame_warning.bmp", .ends = EndButtons::OkClose,
                        .modal = mode == Mode::Modal}),
      title_(std::move(title)), message_(std::move(message)), mode_(mode) {
    if (mode_ == Mode::ModelessTopMost)
        setWindowFlag(Qt::WindowStaysOnTopHint);
}

CAttentionDlg* CAttentionDlg::Show(QWidget* parent, std::wstring title, std::wstring message,
                                   Mode mode) {
    auto* notice = new CAttentionDlg(std::move(title), std::move(message), parent, mode);
    notice->SetDeleteWhenEnded(true);
    notice->Create();
    return notice;
}

CAttentionDlg* CAttentionDlg::ShowNotice(QWidget* parent, std::wstring message, Mode mode) {
    return Show(parent, LanguageText(NoticeTitleText), std::move(message), mode);
}

bool CAttentionDlg::OnInitDialog() {
    CDlgBase::OnInitDialog();
    setWindowTitle(QString::fromStdWString(title_));
    return true;
}

void CAttentionDlg::CreateControls(int, int, int, int) {
    AddControls(*this, kControls);
    // The notice grows until every line of its message shows.
    CControlBase* text = FindControl(MessageId);
    text->SetText(message_);
    const int extra = ExtraMessagePixels(*text, message_);
    if (extra == 0)
        return;
    text->SetBounds(Scaled(kMessageLeft), Scaled(kMessageTop), Scaled(kMessageRight),
                    Scaled(kMessageTop + kMessageHeight) + extra);
    CControlBase* ok = FindControl(OkId);
    const QRect button = ok->GetBounds();
    ok->SetBounds(button.left(), button.top() + extra, button.right() + 1,
                  button.bottom() + 1 + extra);
    setFixedSize(width(), height() + extra);
}

} // namespace ferrox
