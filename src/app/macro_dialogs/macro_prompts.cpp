// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/macro_dialogs/macro_prompts.h"

#include "app/dialogs/attention_dlg.h"
#include "app/macro_dialogs/action_editors.h"
#include "app/macro_dialogs/macro_confirm_dialog.h"
#include "app/macro_dialogs/name_dialogs.h"
#include "lang/language_table.h"

#include <QDir>
#include <QFileDialog>

namespace ferrox {

namespace {

constexpr int kConfirmDelete = 232;

// The folder the last file dialog was confirmed in, for the next one.
QString& LastFolder() {
    static QString folder;
    return folder;
}

QString StartFolder() {
    if (!LastFolder().isEmpty() && QDir(LastFolder()).exists())
        return LastFolder();
    return QDir::homePath();
}

QString Filter(const MacroFileKind& kind) {
    return QString::fromUtf8(kind.filter);
}

std::optional<std::filesystem::path> Chosen(const QString& file, const MacroFileKind& kind,
                                            bool saving) {
    if (file.isEmpty())
        return std::nullopt;
    LastFolder() = QFileInfo(file).absolutePath();
    QString path = file;
    const QString suffix = QStringLiteral(".") + QString::fromUtf8(kind.extension);
    if (saving && !path.endsWith(suffix, Qt::CaseInsensitive))
        path += suffix;
    return std::filesystem::path(path.toStdString());
}

} // namespace

DialogMacroPrompts::DialogMacroPrompts(CDlgBase& owner) : owner_(&owner) {}

std::optional<std::wstring> DialogMacroPrompts::AskNewName(bool folder) {
    CMacroKeyOrFolderNameDlg dialog(folder ? CMacroKeyOrFolderNameDlg::Mode::Folder
                                           : CMacroKeyOrFolderNameDlg::Mode::Macro,
                                    owner_);
    if (dialog.RunModal() != IDOK)
        return std::nullopt;
    return dialog.Name();
}

std::optional<std::wstring> DialogMacroPrompts::AskRename(const std::wstring& current) {
    CMacroKeyRenameDlg dialog(current, owner_);
    if (dialog.RunModal() != IDOK)
        return std::nullopt;
    return dialog.Name();
}

bool DialogMacroPrompts::ConfirmDelete() {
    MacroConfirmDialog dialog(CAttentionDlg::NoticeTitleText, kConfirmDelete, owner_);
    return dialog.RunModal() == IDOK;
}

bool DialogMacroPrompts::EditDelay(MacroAction& action) {
    CActionTimeModifyDlg dialog(action, owner_);
    return dialog.RunModal() == IDOK;
}

bool DialogMacroPrompts::EditKey(MacroAction& action) {
    CActionKeyModifyDlg dialog(action, owner_);
    return dialog.RunModal() == IDOK;
}

bool DialogMacroPrompts::EditMove(MacroAction& action, int direction) {
    CActionXYModifyDlg dialog(action, direction, owner_);
    return dialog.RunModal() == IDOK;
}

std::optional<std::filesystem::path> DialogMacroPrompts::AskOpenPath(const MacroFileKind& kind) {
    const QString file = QFileDialog::getOpenFileName(
        owner_, QString::fromStdWString(LanguageText(kind.titleText)), StartFolder(),
        Filter(kind));
    return Chosen(file, kind, false);
}

std::optional<std::filesystem::path> DialogMacroPrompts::AskSavePath(const MacroFileKind& kind,
                                                                     const std::wstring& proposed) {
    const QString start = QDir(StartFolder()).filePath(QString::fromStdWString(proposed));
    const QString file = QFileDialog::getSaveFileName(
        owner_, QString::fromStdWString(LanguageText(kind.titleText)), start, Filter(kind));
    return Chosen(file, kind, true);
}

void DialogMacroPrompts::Notice(int textIndex, const wchar_t* english) {
    CAttentionDlg::ShowNotice(owner_, textIndex >= 0 ? LanguageText(textIndex) : english);
}

} // namespace ferrox
