// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shortcut capture dialog: the user presses a key, ticks Ctrl, Shift, Alt or Win, and OK
// gives the key button that combination. Every key pressed while it is open is captured for
// it — Enter and Escape too, so they can be given to a button; the dialog ends by its OK,
// Cancel and close buttons only.

#include "app/dialogs/key_choice.h"
#include "platform/keyboard_hook.h"
#include "ui/dlg_base.h"

namespace ferrox {

class CShortcutDlg : public CDlgBase {
public:
    static constexpr int NoModifierId = 2005;
    static constexpr int CtrlId = 2006;
    static constexpr int AltId = 2007;
    static constexpr int ShiftId = 2008;
    static constexpr int WinId = 2009;
    static constexpr int KeyNameId = 2012;
    static constexpr int LabelId = 2013;

    // The result goes to parent (message 0x40C) when it is a window of the program.
    explicit CShortcutDlg(QWidget* parent = nullptr, KeyClock clock = {});
    ~CShortcutDlg() override;

    // The last key taken and the combination OK would send.
    const std::wstring& KeyName() const { return keyName_; }

protected:
    bool OnInitDialog() override;
    void CreateControls(int left, int top, int right, int bottom) override;
    void DrawDialog(Canvas& canvas, const QRect& clientRect) override;
    void OnOK() override;

private:
    void onKey(unsigned code);
    void lockModifiers(bool locked);
    bool checked(int id) const;

    std::wstring keyName_;
    std::uint8_t usage_ = 0;
    KeyChoice choice_;
    CKeyboardHook hook_;
};

} // namespace ferrox
