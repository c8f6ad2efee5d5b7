// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three editors of a single macro step. Each edits the step it is given in place, and only
// when the user confirms with OK (or Enter, except in the key editor).

#include "app/macro_dialogs/macro_small_dialog.h"
#include "macros/macro_types.h"
#include "platform/keyboard_hook.h"

namespace ferrox {

// Takes the next key pressed as the step's key; OK writes it, the step's press or release
// stays. Every key is captured while it is open, Enter and Escape included, so it ends by its
// buttons only. Mouse codes and codes that would read as a delay are not taken.
class CActionKeyModifyDlg : public MacroSmallDialog {
public:
    CActionKeyModifyDlg(MacroAction& action, QWidget* parent = nullptr, KeyClock clock = {});
    ~CActionKeyModifyDlg() override;

    std::uint8_t ChosenCode() const { return code_; }
    const CKeyboardHook& Hook() const { return hook_; }

protected:
    bool OnInitDialog() override;
    void CreateValueField() override;
    bool Confirm() override;
    void OnCancel() override;
    void OnClose() override;

private:
    void showCode();

    MacroAction& action_;
    std::uint8_t code_;
    CKeyboardHook hook_;
};

// A delay in milliseconds, 0..15,300,000.
class CActionTimeModifyDlg : public MacroSmallDialog {
public:
    explicit CActionTimeModifyDlg(MacroAction& action, QWidget* parent = nullptr);

protected:
    void CreateValueField() override;
    bool Confirm() override;

private:
    MacroAction& action_;
};

// A move of 1..127 in one direction (5 left, 6 right, 7 up, 8 down).
class CActionXYModifyDlg : public MacroSmallDialog {
public:
    CActionXYModifyDlg(MacroAction& action, int direction, QWidget* parent = nullptr);

protected:
    void CreateValueField() override;
    bool Confirm() override;

private:
    MacroAction& action_;
    int direction_;
};

} // namespace ferrox
