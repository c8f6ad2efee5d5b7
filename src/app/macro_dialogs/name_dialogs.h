// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two dialogs that ask for the name of a macro or folder. They only clean what is typed
// (no control characters, at most 60 characters); the macro manager checks the name against
// the library.

#include "app/macro_dialogs/macro_small_dialog.h"

namespace ferrox {

class CMacroKeyOrFolderNameDlg : public MacroSmallDialog {
public:
    enum class Mode { Macro = 0, Folder = 1 };

    explicit CMacroKeyOrFolderNameDlg(Mode mode, QWidget* parent = nullptr);
    // The typed name, once the dialog ended with OK (empty names too).
    const std::wstring& Name() const { return name_; }

protected:
    void CreateValueField() override;
    bool Confirm() override;

private:
    std::wstring name_;
};

// Ends with OK only when the name was changed (a change of letter case counts).
class CMacroKeyRenameDlg : public MacroSmallDialog {
public:
    explicit CMacroKeyRenameDlg(std::wstring current, QWidget* parent = nullptr);
    const std::wstring& Name() const { return name_; }

protected:
    void CreateValueField() override;
    bool Confirm() override;
    void OnOK() override;

private:
    std::wstring current_;
    std::wstring name_;
};

} // namespace ferrox
