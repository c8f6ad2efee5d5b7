// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the core reports what a user would attach to a bug report: failed opens, ioctls and
// file operations with the system's reason, and, when asked for, the device's open, close and
// report counts. The window hands the lines to Qt's logging categories, ferroxctl --verbose
// to standard error; without a sink they are dropped. Any thread may log.

#include <string>
#include <string_view>

namespace ferrox {

enum class LogLevel { Debug, Info, Warning, Error };
enum class LogCategory { Device, Sync, Files, Ui };

class LogSink {
public:
    virtual ~LogSink() = default;
    // May be called on several threads at once.
    virtual void write(LogLevel level, LogCategory category, std::string_view message) = 0;
};

// The sink from now on; nullptr drops every line again. The sink must outlive its use.
void SetLogSink(LogSink* sink);
void Log(LogLevel level, LogCategory category, std::string_view message);
// "what: the system's text for error", a warning unless said otherwise.
void LogFailure(LogCategory category, std::string_view what, int error,
                LogLevel level = LogLevel::Warning);

// "device", "sync", "files", "ui"; "debug", "info", "warning", "error".
const char* CategoryName(LogCategory category);
const char* LevelName(LogLevel level);

} // namespace ferrox
