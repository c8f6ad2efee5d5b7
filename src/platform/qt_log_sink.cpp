// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_log_sink.h"

#include <QString>

namespace ferrox {
namespace {

// Warnings and above unless a rule says otherwise.
Q_LOGGING_CATEGORY(DeviceLog, "ferrox.device", QtWarningMsg)
Q_LOGGING_CATEGORY(SyncLog, "ferrox.sync", QtWarningMsg)
Q_LOGGING_CATEGORY(FilesLog, "ferrox.files", QtWarningMsg)
Q_LOGGING_CATEGORY(UiLog, "ferrox.ui", QtWarningMsg)

} // namespace

const QLoggingCategory& QtLogCategory(LogCategory category) {
    switch (category) {
    case LogCategory::Device:
        return DeviceLog();
    case LogCategory::Sync:
        return SyncLog();
    case LogCategory::Files:
        return FilesLog();
    case LogCategory::Ui:
        break;
    }
    return UiLog();
}

void QtLogSink::write(LogLevel level, LogCategory category, std::string_view message) {
    const QLoggingCategory& log = QtLogCategory(category);
    const QString text = QString::fromUtf8(message.data(), qsizetype(message.size()));
    switch (level) {
    case LogLevel::Debug:
        qCDebug(log, "%s", qUtf8Printable(text));
        break;
    case LogLevel::Info:
        qCInfo(log, "%s", qUtf8Printable(text));
        break;
    case LogLevel::Warning:
        qCWarning(log, "%s", qUtf8Printable(text));
        break;
    case LogLevel::Error:
        qCCritical(log, "%s", qUtf8Printable(text));
        break;
    }
}

void InstallQtLog() {
    static QtLogSink sink;
    SetLogSink(&sink);
}

} // namespace ferrox
