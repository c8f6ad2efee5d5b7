// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/macro_dialogs/action_editors.h"

#include "keys/key_names.h"
#include "macros/macro_editing.h"
#include "ui/control_factory.h"
#include "ui/dialog_rows.h"

#include <algorithm>

namespace ferrox {

namespace {

constexpr int kKeyTitle = 221;
constexpr int kDelayTitle = 220;
constexpr int kMoveTitles[] = {222, 223, 224, 225}; // left, right, up, down
constexpr std::size_t kDelayDigits = 12;
constexpr std::size_t kMoveDigits = 6;

int MoveTitle(int direction) {
    return kMoveTitles[std::clamp(direction, MacroMoveLeft, MacroMoveDown) - MacroMoveLeft];
}

} // namespace

// --- key ---

CActionKeyModifyDlg::CActionKeyModifyDlg(MacroAction& action, QWidget* parent, KeyClock clock)
    // The keys go to the hook; should one slip past it, it neither confirms nor cancels.
    : MacroSmallDialog(kKeyTitle, parent, DefaultKey::Swallow), action_(action), code_(action.b0),
      hook_(std::move(clock)) {
    SetTitleControlId(KeyTitleId);
    bindMessage(WM_KEYHOOK, [this](WParam code, LParam) {
        if (IsRecordableKeyCode(unsigned(code & 0xFF))) {
            code_ = std::uint8_t(code);
            showCode();
        }
        return 0;
    });
}

CActionKeyModifyDlg::~CActionKeyModifyDlg() {
    hook_.StopHook();
}

bool CActionKeyModifyDlg::OnInitDialog() {
    MacroSmallDialog::OnInitDialog();
    hook_.StartHook(this);
    return true;
}

void CActionKeyModifyDlg::CreateValueField() {
    const ControlSpec value{.id = ValueId, .kind = ControlKind::StaticText, .rect = ValueRect,
                            .format = CentredLine,
                            .colour = 0x000000};
    AddControls(*this, std::span(&value, 1));
    showCode();
}

void CActionKeyModifyDlg::showCode() {
    if (CControlBase* value = FindControl(ValueId); value && value->Id() != TitleControlId())
        value->SetText(std::wstring(KeyName(code_)));
}

bool CActionKeyModifyDlg::Confirm() {
    hook_.StopHook();
    action_.b0 = code_;
    return true;
}

void CActionKeyModifyDlg::OnCancel() {
    hook_.StopHook();
    MacroSmallDialog::OnCancel();
}

void CActionKeyModifyDlg::OnClose() {
    hook_.StopHook();
    MacroSmallDialog::OnClose();
}

// --- delay ---

CActionTimeModifyDlg::CActionTimeModifyDlg(MacroAction& action, QWidget* parent)
    : MacroSmallDialog(kDelayTitle, parent), action_(action) {}

void CActionTimeModifyDlg::CreateValueField() {
    AddValueEdit(std::to_wstring(action_.DelayMs()), DigitsWanted(kDelayDigits));
}

bool CActionTimeModifyDlg::Confirm() {
    action_ = MacroAction::MakeDelay(DelayFromText(ValueText()));
    return true;
}

// --- move ---

CActionXYModifyDlg::CActionXYModifyDlg(MacroAction& action, int direction, QWidget* parent)
    : MacroSmallDialog(MoveTitle(direction), parent), action_(action), direction_(direction) {}

void CActionXYModifyDlg::CreateValueField() {
    AddValueEdit(std::to_wstring(MoveDistance(action_)), DigitsWanted(kMoveDigits));
}

bool CActionXYModifyDlg::Confirm() {
    action_ = MoveFromText(direction_, ValueText());
    return true;
}

} // namespace ferrox
