#include "app/trace_file.h"

#include <cerrno>
#include <cstring>

namespace ferrox {

std::unique_ptr<TraceFile> TraceFile::Open(const std::filesystem::path& path, std::string& error) {
    std::FILE* file = std::fopen(path.c_str(), "a");
    if (!file) {
        error = "cannot open " + path.string() + " for the trace: " + std::strerror(errno);
        return nullptr;
    }
    return std::unique_ptr<TraceFile>(new TraceFile(file));
}

TraceFile::~TraceFile() {
    std::fclose(file_);
}

void TraceFile::Write(char direction, std::span<const uint8_t> report) {
    const std::string line = TraceLine(direction, report);
    std::lock_guard lock(mutex_);
    std::fwrite(line.data(), 1, line.size(), file_);
    std::fflush(file_);
}

} // namespace ferrox
