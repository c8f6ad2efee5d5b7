// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A sink that writes each line whole to a stream: "PROGRAM: CATEGORY LEVEL: message".
// ferroxctl --verbose writes to standard error with it.

#include "base/log_sink.h"

#include <mutex>
#include <ostream>
#include <string>

namespace ferrox {

class StreamLogSink : public LogSink {
public:
    StreamLogSink(std::ostream& out, std::string program)
        : out_(out), program_(std::move(program)) {}
    void write(LogLevel level, LogCategory category, std::string_view message) override;

private:
    std::mutex mutex_; // lines of the reader and worker threads stay whole
    std::ostream& out_;
    std::string program_;
};

} // namespace ferrox
