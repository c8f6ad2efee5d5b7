// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/fire_key_dlg.h"

#include "app/dialogs/attention_dlg.h"
#include "app/dialogs/common_frame.h"
#include "app/dialogs/dpi_value_dlg.h"
#include "app/tool_tips.h"
#include "lang/language_table.h"
#include "platform/canvas.h"
#include "ui/control_factory.h"
#include "ui/dialog_rows.h"
#include "ui/ui_font.h"

#include <algorithm>

namespace ferrox {

namespace {

using K = ControlKind;
using D = CFireKeyDlg;
constexpr int kTitleText = 170;
constexpr int kFunctionText = 26;
constexpr int kFirstRangeText = 174;
constexpr int kDigitsText = 175;
constexpr int kSecondRangeText = 176;
constexpr std::size_t kMaxDigits = 9; // a value that long is out of range anyway
constexpr unsigned long kMaximum = 255;
constexpr unsigned long kFirstMinimum = 5;

// Cancel sits beside OK; the second label ends inside the dialog. The explanation takes two
// lines of the interface font, and the buttons sit lower than in the other small dialogs so
// that it ends clear of them.
constexpr ControlSpec kControls[] = {
    {.id = D::TextId, .kind = K::StaticText, .rect = {20, 3, 230, 27}, .textIndex = kTitleText,
     .format = LeftLine, .colour = look::HotText},
    CloseButton(D::CloseId, CommonFrame::Close),
    CancelButton({260, 115, 329, 135}),
    OkButton({350, 115, 419, 135}),
    {D::TextId, K::StaticText, {70, 30, 240, 48}, {}, 171, {}, {}, LeftLine},
    {D::TextId, K::StaticText, {250, 30, 420, 48}, {}, 172, {}, {}, LeftLine},
    // Holds the explanation; the dialog draws it wrapped (a static text keeps to one line).
    {.id = D::ExplanationId, .kind = K::StaticText, .rect = {70, 75, 420, 110}, .textIndex = 173,
     .flags = {.visible = false}},
};

std::size_t NonDigits(std::wstring_view text) {
    return std::size_t(
        std::count_if(text.begin(), text.end(), [](wchar_t c) { return c < L'0' || c > L'9'; }));
}

// Within the field's length only; what the user typed or pasted is kept as it is.
EditFilter Bounded(std::size_t maxLength) {
    return [maxLength](std::wstring_view text) {
        return std::wstring(text.substr(0, std::min(text.size(), maxLength)));
    };
}

} // namespace

CFireKeyDlg::CFireKeyDlg(QWidget* parent)
    : CDlgBase(parent,
               CommonFrame::Described(kTitleText, DefaultKey::Swallow, DefaultKey::EndCancel)) {
    bindTimer(RangeTimer, [this] { checkRange(); });
    for (int id : {FirstEditId, SecondEditId})
        bindMessage(unsigned(id), [this, id](WParam, LParam code) {
            if (code == NotifyValueChanged)
                edited(id);
            return 0;
        });
}

// A notice still open goes with the dialog, and must not restart the timer of a dialog that
// is coming apart.
CFireKeyDlg::~CFireKeyDlg() {
    if (notice_)
        QObject::disconnect(notice_, nullptr, this, nullptr);
}

bool CFireKeyDlg::OnInitDialog() {
    CDlgBase::OnInitDialog();
    SetTimer(RangeTimer, 100, TimerMode::Repeating);
    return true;
}

void CFireKeyDlg::DrawDialog(Canvas& canvas, const QRect& clientRect) {
    CDlgBase::DrawDialog(canvas, clientRect);
    if (const CControlBase* text = FindControl(ExplanationId))
        canvas.DrawText(QString::fromStdWString(text->GetText()), text->GetBounds(),
                        DT_LEFT | DT_WORDBREAK, look::Text, text->Font());
}

void CFireKeyDlg::CreateControls(int, int, int, int) {
    AddControls(*this, kControls);
    const std::pair<int, DesignRect> edits[] = {{FirstEditId, {70, 50, 168, 72}},
                                                {SecondEditId, {250, 50, 348, 72}}};
    for (const auto& [id, rect] : edits)
        AddEditField(id, rect)->SetFilter(Bounded(kMaxDigits));
    firstText_ = L"50";
    secondText_ = L"0";
    FirstEdit()->SetText(firstText_);
    SecondEdit()->SetText(secondText_);
}

unsigned long CFireKeyDlg::value(int editId) const {
    const EditField* edit = FindEditField(editId);
    return edit ? LeadingNumber(edit->GetText()) : 0;
}

void CFireKeyDlg::edited(int editId) {
    std::wstring& before = editId == FirstEditId ? firstText_ : secondText_;
    const std::wstring now = FindEditField(editId)->GetText();
    const bool strayCharacter = NonDigits(now) > NonDigits(before);
    before = now;
    if (strayCharacter)
        showNotice(kDigitsText);
}

bool CFireKeyDlg::checkRange() {
    if (notice_)
        return false;
    const std::pair<int, int> checks[] = {{FirstEditId, kFirstRangeText},
                                          {SecondEditId, kSecondRangeText}};
    for (const auto& [id, text] : checks)
        if (value(id) > kMaximum) {
            FindEditField(id)->SetText(L"255");
            (id == FirstEditId ? firstText_ : secondText_) = L"255";
            showNotice(text);
            return true;
        }
    return false;
}

// One notice at a time: the range check waits until it is closed.
void CFireKeyDlg::showNotice(int textIndex) {
    if (notice_)
        return;
    KillTimer(RangeTimer);
    notice_ = CAttentionDlg::ShowNotice(this, LanguageText(textIndex));
    QObject::connect(notice_, &QObject::destroyed, this, [this] {
        if (!IsEnded())
            SetTimer(RangeTimer, 100, TimerMode::Repeating);
    });
}

void CFireKeyDlg::OnOK() {
    // A value typed just now is corrected before it could wrap round to a byte.
    if (checkRange() || notice_)
        return;
    if (value(FirstEditId) < kFirstMinimum) {
        showNotice(kFirstRangeText);
        return;
    }
    std::wstring name = LanguageText(kFunctionText);
    if (!name.empty() && name.back() == L'+')
        name.pop_back();
    choice_ = {name, MakeFunction(FunctionCategory::FireKey, std::uint8_t(value(FirstEditId)),
                                  std::uint8_t(value(SecondEditId)))};
    if (!name.empty())
        if (auto* parent = dynamic_cast<WindowBase*>(parentWidget()))
            parent->SendMessage(KeyChoiceMessage::FireKey, WParam(OkId),
                                reinterpret_cast<LParam>(&choice_));
    CDlgBase::OnOK();
}

} // namespace ferrox
