// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The macro manager's library items: new, rename, delete, import, export and the tree's
// context menu.

#include "app/macro_dialogs/macro_manager_dlg.h"

#include "app/macro_dialogs/macro_popups.h"
#include "macros/macro_exchange.h"
#include "settings/config_table.h"
#include "settings/profile_settings.h"
#include "ui/edit_show_list.h"
#include "ui/ui_scale.h"

namespace ferrox {

namespace {

constexpr int kNothingToDelete = 233;
constexpr int kImportEmpty = 240;
constexpr int kNameExists = 241;
constexpr int kEmptyName = 242;
constexpr int kInUse = 257;
constexpr int kMenuSize = 300;
const wchar_t* const kNotWritten = L"The file could not be written.";

const MacroFileKind kMacroFile{253, "mkf file (*.mkf)", "mkf"};
const MacroFileKind kMacroImport{254, "mkf file (*.mkf)", "mkf"};
const MacroFileKind kSetFile{255, "mbf file (*.mbf)", "mbf"};
const MacroFileKind kSetImport{256, "mbf file (*.mbf)", "mbf"};

// The folders above a new node open, so the user sees it.
void OpenFoldersAbove(MacroLibrary& library, MacroLocation location) {
    while (location.stage > 0) {
        --location.stage;
        if (location.stage == 0)
            location.stage1Index = 0;
        location.stage2Index = 0;
        if (MacroItem* folder = library.NodeAt(location); folder && folder->MacroItemIsFolder)
            folder->MacroItemFolderIsOpen = 1;
    }
}

bool AssignedInCurrentProfile(const MacroLibrary& library, const MacroLocation& location) {
    for (const KeySlot& slot : CurrentProfile().keys)
        if (slot.function.Category() == FunctionCategory::Macro &&
            library.SubtreeHoldsMacro(std::int32_t(slot.macroKeyIndex), location))
            return true;
    return false;
}

} // namespace

void CMacroManagerDlg::newItem(bool folder) {
    const std::optional<std::wstring> typed = prompts_->AskNewName(folder);
    if (!typed || finished_)
        return;
    const std::wstring name = CleanMacroName(*typed);
    if (IsBlankMacroName(name)) {
        prompts_->Notice(kEmptyName);
        return;
    }
    MacroLocation where = selection_;
    const MacroAddResult result =
        folder ? library_.AddFolder(name, where) : library_.AddMacro(name, where);
    if (result == MacroAddResult::NameExists) {
        prompts_->Notice(kNameExists);
        return;
    }
    if (result == MacroAddResult::Added) {
        OpenFoldersAbove(library_, where);
        selectLocation(where);
    }
    refresh();
}

void CMacroManagerDlg::onRenameItem() {
    MacroItem* node = library_.NodeAt(selection_);
    if (selection_.stage < 0 || !node || node->IsFree())
        return;
    const std::optional<std::wstring> typed = prompts_->AskRename(node->MacroItemName);
    if (!typed || finished_)
        return;
    const std::wstring name = CleanMacroName(*typed);
    if (name == node->MacroItemName)
        return;
    if (IsBlankMacroName(name)) {
        prompts_->Notice(kEmptyName);
        return;
    }
    if (library_.NameExists(name, selection_)) {
        prompts_->Notice(kNameExists);
        return;
    }
    if (library_.RenameItem(selection_, name))
        refresh();
}

void CMacroManagerDlg::onDeleteItem() {
    const MacroItem* node = library_.NodeAt(selection_);
    if (selection_.stage < 0 || !node || node->IsFree()) {
        prompts_->Notice(kNothingToDelete);
        return;
    }
    if (!prompts_->ConfirmDelete() || finished_)
        return;
    if (AssignedInCurrentProfile(library_, selection_)) {
        prompts_->Notice(kInUse);
        return;
    }
    library_.DeleteItem(selection_);
    selection_ = MacroLocation{};
    tree_->SetSelectedRow(-1);
    refresh();
}

void CMacroManagerDlg::onExportMacro() {
    if (!macroAtSelection())
        return;
    const auto path =
        prompts_->AskSavePath(kMacroFile, ProposedMacroFileName(library_, selection_));
    if (path && !finished_ && !ExportMacro(library_, selection_, *path))
        prompts_->Notice(-1, kNotWritten);
}

void CMacroManagerDlg::exportSet() {
    const auto path = prompts_->AskSavePath(kSetFile, ProposedSetFileName(library_, selection_));
    if (path && !finished_ && !ExportMacroSet(library_, selection_, *path))
        prompts_->Notice(-1, kNotWritten);
}

void CMacroManagerDlg::onImportMacro() {
    const auto path = prompts_->AskOpenPath(kMacroImport);
    if (path && !finished_)
        afterImport(int(ImportMacro(library_, selection_, *path).status));
}

void CMacroManagerDlg::importSet() {
    const auto path = prompts_->AskOpenPath(kSetImport);
    if (path && !finished_)
        afterImport(int(ImportMacroSet(library_, selection_, *path).status));
}

void CMacroManagerDlg::afterImport(int status) {
    switch (MacroImportStatus(status)) {
    case MacroImportStatus::Imported:
        OpenFoldersAbove(library_, selection_);
        selectLocation(selection_);
        return;
    case MacroImportStatus::NameExists:
        prompts_->Notice(kNameExists);
        break;
    case MacroImportStatus::Unreadable:
    case MacroImportStatus::NothingToImport:
        prompts_->Notice(kImportEmpty);
        break;
    case MacroImportStatus::NotAdded:
        break;
    }
    refresh();
}

void CMacroManagerDlg::openContextMenu() {
    ClosePopup(ListPopupSlot);
    const MacroItem* node = library_.NodeAt(selection_);
    const int mode = selection_.stage < 0 || !node || node->IsFree() ? CMacroListPopup::NothingSelected
                     : node->MacroItemIsFolder                         ? CMacroListPopup::FolderSelected
                                                                       : CMacroListPopup::MacroSelected;
    auto* menu = new CMacroListPopup(mode);
    SetPopup(ListPopupSlot, menu);
    const QPoint at = mapToGlobal(tree_->RightClickPoint());
    menu->Create(this, QRect(at, QSize(Scaled(kMenuSize), Scaled(kMenuSize))),
                 MacroMenuMessage::ListResult, 2015);
}

void CMacroManagerDlg::RunListOperation(MacroListOperation operation) {
    switch (operation) {
    case MacroListOperation::NewMacro:
        return newItem(false);
    case MacroListOperation::NewFolder:
        return newItem(true);
    case MacroListOperation::ExportMacro:
        return onExportMacro();
    case MacroListOperation::ImportMacro:
        return onImportMacro();
    case MacroListOperation::Rename:
        return onRenameItem();
    case MacroListOperation::Delete:
        return onDeleteItem();
    case MacroListOperation::ImportSet:
        return importSet();
    case MacroListOperation::ExportSet:
        return exportSet();
    }
}

} // namespace ferrox
