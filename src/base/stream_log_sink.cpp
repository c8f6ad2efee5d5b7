#include "base/stream_log_sink.h"

namespace ferrox {

void StreamLogSink::write(LogLevel level, LogCategory category, std::string_view message) {
    std::lock_guard lock(mutex_);
    out_ << program_ << ": " << CategoryName(category) << ' ' << LevelName(level) << ": "
         << message << std::endl;
}

} // namespace ferrox
