// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/log_sink.h"

#include <atomic>
#include <cstring>

namespace ferrox {
namespace {

std::atomic<LogSink*> CurrentSink{nullptr};

} // namespace

void SetLogSink(LogSink* sink) {
    CurrentSink = sink;
}

void Log(LogLevel level, LogCategory category, std::string_view message) {
    if (LogSink* sink = CurrentSink.load())
        sink->write(level, category, message);
}

void LogFailure(LogCategory category, std::string_view what, int error, LogLevel level) {
    if (!CurrentSink.load())
        return; // no text to build for nobody
    std::string line(what);
    line += ": ";
    line += std::strerror(error);
    Log(level, category, line);
}

const char* CategoryName(LogCategory category) {
    constexpr const char* names[] = {"device", "sync", "files", "ui"};
    return names[int(category)];
}

const char* LevelName(LogLevel level) {
    constexpr const char* names[] = {"debug", "info", "warning", "error"};
    return names[int(level)];
}

} // namespace ferrox
