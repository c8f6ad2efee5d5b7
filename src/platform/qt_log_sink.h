// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The core's log in Qt's logging categories ferrox.device, ferrox.sync, ferrox.files and
// ferrox.ui, so that QT_LOGGING_RULES and a message handler work on them as on any Qt
// program's. Warnings and errors are on by default, debug and info lines only when a rule
// enables them ("ferrox.device.debug=true").

#include "base/log_sink.h"

#include <QLoggingCategory>

namespace ferrox {

const QLoggingCategory& QtLogCategory(LogCategory category);

class QtLogSink : public LogSink {
public:
    void write(LogLevel level, LogCategory category, std::string_view message) override;
};

// Makes the core log through Qt for the rest of the program's run.
void InstallQtLog();

} // namespace ferrox
