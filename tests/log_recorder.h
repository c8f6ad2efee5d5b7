// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Takes the core's log for as long as it lives, so that a test can look at the lines.

#include "base/log_sink.h"

#include <algorithm>
#include <mutex>
#include <string>
#include <vector>

namespace ferrox::test {

class LogRecorder : public LogSink {
public:
    struct Line {
        LogLevel level;
        LogCategory category;
        std::string message;
    };
    LogRecorder() { SetLogSink(this); }
    ~LogRecorder() override { SetLogSink(nullptr); }

    void write(LogLevel level, LogCategory category, std::string_view message) override {
        std::lock_guard lock(mutex_);
        lines_.push_back({level, category, std::string(message)});
    }
    std::vector<Line> lines() {
        std::lock_guard lock(mutex_);
        return lines_;
    }
    bool has(LogLevel level, LogCategory category, const std::string& message) {
        const auto all = lines();
        return std::any_of(all.begin(), all.end(), [&](const Line& l) {
            return l.level == level && l.category == category && l.message == message;
        });
    }
    std::string text() {
        std::string out;
        for (const Line& l : lines())
            out += std::string(CategoryName(l.category)) + " " + LevelName(l.level) + ": " +
                   l.message + "\n";
        return out;
    }

private:
    std::mutex mutex_;
    std::vector<Line> lines_;
};

} // namespace ferrox::test
