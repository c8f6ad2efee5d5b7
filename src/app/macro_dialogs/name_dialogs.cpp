// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/macro_dialogs/name_dialogs.h"

#include "macros/macro_editing.h"

namespace ferrox {

namespace {

constexpr int kMacroNameTitle = 239;
constexpr int kFolderNameTitle = 243;
constexpr int kRenameTitle = 238;

EditFilter NameFilter() {
    return [](std::wstring_view typed) { return CleanMacroName(typed); };
}

} // namespace

CMacroKeyOrFolderNameDlg::CMacroKeyOrFolderNameDlg(Mode mode, QWidget* parent)
    : MacroSmallDialog(mode == Mode::Folder ? kFolderNameTitle : kMacroNameTitle, parent) {}

void CMacroKeyOrFolderNameDlg::CreateValueField() {
    AddValueEdit({}, NameFilter());
}

bool CMacroKeyOrFolderNameDlg::Confirm() {
    name_ = CleanMacroName(ValueText());
    return true;
}

CMacroKeyRenameDlg::CMacroKeyRenameDlg(std::wstring current, QWidget* parent)
    : MacroSmallDialog(kRenameTitle, parent), current_(std::move(current)) {}

void CMacroKeyRenameDlg::CreateValueField() {
    AddValueEdit(CleanMacroName(current_), NameFilter());
}

bool CMacroKeyRenameDlg::Confirm() {
    name_ = CleanMacroName(ValueText());
    return true;
}

void CMacroKeyRenameDlg::OnOK() {
    Confirm();
    // An unchanged name is no rename.
    if (name_ == current_)
        EndSkinnedDialog(IDCANCEL);
    else
        MacroSmallDialog::OnOK();
}

} // namespace ferrox
