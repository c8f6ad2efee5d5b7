// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/shortcut_dlg.h"

#include "app/dialogs/common_frame.h"
#include "buttons/function_names.h"
#include "keys/key_codes.h"
#include "keys/key_names.h"
#include "platform/canvas.h"
#include "ui/check_button.h"
#include "ui/control_factory.h"
#include "ui/dialog_rows.h"
#include "ui/ui_scale.h"

namespace ferrox {

namespace {

using K = ControlKind;
using D = CShortcutDlg;
constexpr FontSpec kTahoma{L"Tahoma", 13};
constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;
constexpr DesignRect kKeyBox{22, 35, 179, 57};
constexpr int kTitleText = 180;

constexpr ControlSpec kControls[] = {
    {.id = D::LabelId, .kind = K::StaticText, .rect = {20, 3, 230, 27}, .textIndex = kTitleText,
     .format = LeftLine, .colour = look::HotText},
    {.id = D::KeyNameId, .kind = K::StaticText, .rect = {25, 35, 176, 57}, .font = kTahoma,
     .format = LeftLine, .colour = kBlack},
    {D::ShiftId, K::Check, {25, 72, 36, 83}, CheckSkins},
    {.id = D::LabelId, .kind = K::StaticText, .rect = {40, 70, 80, 88}, .text = L"Shift",
     .font = kTahoma, .format = LeftLine},
    {D::CtrlId, K::Check, {82, 72, 93, 83}, CheckSkins},
    {.id = D::LabelId, .kind = K::StaticText, .rect = {97, 70, 137, 88}, .text = L"Ctrl",
     .font = kTahoma, .format = LeftLine},
    {D::AltId, K::Check, {139, 72, 150, 83}, CheckSkins},
    {.id = D::LabelId, .kind = K::StaticText, .rect = {154, 70, 194, 88}, .text = L"Alt",
     .font = kTahoma, .format = LeftLine},
    {D::WinId, K::Check, {196, 72, 207, 83}, CheckSkins},
    {.id = D::LabelId, .kind = K::StaticText, .rect = {211, 70, 251, 88}, .text = L"Super",
     .font = kTahoma, .format = LeftLine},
    {D::NoModifierId, K::Check, {22, 139, 33, 150}, CheckSkins},
};

// The modifier boxes and their bits.
struct Modifier {
    int id;
    std::uint8_t bit;
};
constexpr Modifier kModifiers[] = {
    {D::CtrlId, ModifierBit::Ctrl},
    {D::ShiftId, ModifierBit::Shift},
    {D::AltId, ModifierBit::Alt},
    {D::WinId, ModifierBit::Win},
};

// Modifiers come from the boxes only: the sided Shift, Ctrl, Alt and Win keys are not keys of
// their own here.
bool IsModifierKey(unsigned code) {
    return code == 0x5B || code == 0x5C || (code >= 0xA0 && code <= 0xA5);
}

} // namespace

CShortcutDlg::CShortcutDlg(QWidget* parent, KeyClock clock)
    // Enter and Escape are captured like every key: they may be what the user wants on the
    // button.
    : CDlgBase(parent,
               CommonFrame::Described(kTitleText, DefaultKey::Swallow, DefaultKey::Swallow)),
      hook_(std::move(clock)) {
    bindMessage(WM_KEYHOOK, [this](WParam key, LParam) {
        onKey(unsigned(key & 0xFF));
        return 0;
    });
    bindMessage(NoModifierId, [this](WParam, LParam code) {
        if (code == NotifyClicked)
            lockModifiers(checked(NoModifierId));
        return 0;
    });
}

CShortcutDlg::~CShortcutDlg() {
    hook_.StopHook();
}

bool CShortcutDlg::OnInitDialog() {
    CDlgBase::OnInitDialog();
    hook_.StartHook(this);
    return true;
}

void CShortcutDlg::CreateControls(int, int, int, int) {
    AddControls(*this, CommonFrame::EndRow);
    AddControls(*this, kControls);
}

void CShortcutDlg::DrawDialog(Canvas& canvas, const QRect& clientRect) {
    DrawBackground(canvas, clientRect);
    canvas.FillRect(ScaledRect(kKeyBox), kWhite);
    DrawControls(canvas, clientRect);
}

bool CShortcutDlg::checked(int id) const {
    const auto* box = FindControlAs<CCheckButton>(id);
    return box && box->GetChecked();
}

void CShortcutDlg::lockModifiers(bool locked) {
    for (const Modifier& modifier : kModifiers)
        if (CControlBase* box = FindControl(modifier.id))
            box->SetLocked(locked ? 1 : 0);
}

// Presses and releases alike: the last key reported is shown. A key the mouse cannot send
// (F13 and the like have no usage) leaves the combination as it was.
void CShortcutDlg::onKey(unsigned code) {
    if (IsModifierKey(code) || KeyUsage(code) == 0)
        return;
    keyName_ = std::wstring(ferrox::KeyName(code));
    usage_ = KeyUsage(code);
    if (CControlBase* shown = FindControl(KeyNameId)) {
        shown->SetText(keyName_);
        InvalidateRect(shown->GetBounds());
    }
}

void CShortcutDlg::OnOK() {
    choice_ = {};
    choice_.code = MakeFunction(FunctionCategory::KeyCombo, 0, usage_);
    if (!checked(NoModifierId))
        for (const Modifier& modifier : kModifiers)
            if (checked(modifier.id))
                choice_.code.param1 |= modifier.bit;
    choice_.name = ShortcutName(choice_.code.param1, keyName_);
    if (!choice_.name.empty())
        if (auto* parent = dynamic_cast<WindowBase*>(parentWidget()))
            parent->SendMessage(KeyChoiceMessage::Shortcut, WParam(OkId),
                                reinterpret_cast<LParam>(&choice_));
    CDlgBase::OnOK();
}

} // namespace ferrox
