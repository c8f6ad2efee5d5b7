// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window's file dialog, built at its first use and kept. Building Qt's own file dialog (its
// model of the folder, its views and their icons) holds the window's thread for several frames;
// shown again, it costs about one.

#include <QFileDialog>
#include <QPointer>

#include <filesystem>
#include <optional>

namespace ferrox {

class KeptFileDialog {
public:
    explicit KeptFileDialog(QWidget& parent) : parent_(parent) {}

    // The file to read, starting in folder; nothing when the user cancels.
    std::optional<std::filesystem::path> Open(const QString& title,
                                              const std::filesystem::path& folder,
                                              const QString& filter);
    // The file to write, proposal offered first; nothing when the user cancels.
    std::optional<std::filesystem::path> Save(const QString& title,
                                              const std::filesystem::path& proposal,
                                              const QString& filter);

private:
    QFileDialog& prepare(QFileDialog::AcceptMode mode, const QString& title,
                         const QString& filter);
    std::optional<std::filesystem::path> run(QFileDialog& dialog);

    QWidget& parent_;
    QPointer<QFileDialog> dialog_;
};

} // namespace ferrox
