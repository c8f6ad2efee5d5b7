// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/stream_log_sink.h"

namespace ferrox {

void StreamLogSink::write(LogLevel level, LogCategory category, std::string_view message) {
    std::lock_guard lock(mutex_);
    out_ << program_ << ": " << CategoryName(category) << ' ' << LevelName(level) << ": "
         << message << std::endl;
}

} // namespace ferrox
