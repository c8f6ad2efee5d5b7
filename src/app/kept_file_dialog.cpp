// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/kept_file_dialog.h"

namespace ferrox {

namespace {

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

} // namespace

QFileDialog& KeptFileDialog::prepare(QFileDialog::AcceptMode mode, const QString& title,
                                     const QString& filter) {
    if (!dialog_)
        dialog_ = new QFileDialog(&parent_);
    dialog_->setAcceptMode(mode);
    dialog_->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                         : QFileDialog::AnyFile);
    dialog_->setWindowTitle(title);
    dialog_->setNameFilter(filter);
    return *dialog_;
}

std::optional<std::filesystem::path> KeptFileDialog::run(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.front().isEmpty())
        return std::nullopt;
    return std::filesystem::path(files.front().toStdString());
}

std::optional<std::filesystem::path> KeptFileDialog::Open(const QString& title,
                                                          const std::filesystem::path& folder,
                                                          const QString& filter) {
    QFileDialog& dialog = prepare(QFileDialog::AcceptOpen, title, filter);
    dialog.setDirectory(PathText(folder));
    dialog.selectFile(QString()); // the name chosen last time is no answer now
    return run(dialog);
}

std::optional<std::filesystem::path> KeptFileDialog::Save(const QString& title,
                                                          const std::filesystem::path& proposal,
                                                          const QString& filter) {
    QFileDialog& dialog = prepare(QFileDialog::AcceptSave, title, filter);
    dialog.setDirectory(PathText(proposal.parent_path()));
    dialog.selectFile(PathText(proposal.filename()));
    return run(dialog);
}

} // namespace ferrox
