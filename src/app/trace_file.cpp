// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/trace_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ferrox {

namespace {

// A log goes to a file, or to a pipe or terminal that shows it (--trace /dev/stderr); never
// into a disk or any other device, and open() must not wait for a fifo's reader.
int OpenForAppending(const std::filesystem::path& path, std::string& why) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && (S_ISBLK(st.st_mode) || S_ISSOCK(st.st_mode))) {
        why = "it is not a regular file";
        return -1;
    }
    const int fd = ::open(path.c_str(),
                          O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) {
        why = std::strerror(errno);
        return -1;
    }
    const bool fit = ::fstat(fd, &st) == 0 &&
                     (S_ISREG(st.st_mode) || S_ISFIFO(st.st_mode) || ::isatty(fd));
    if (!fit) {
        why = "it is not a regular file";
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

} // namespace

std::unique_ptr<TraceFile> TraceFile::Open(const std::filesystem::path& path, std::string& error) {
    std::string why;
    const int fd = OpenForAppending(path, why);
    std::FILE* file = fd < 0 ? nullptr : ::fdopen(fd, "a");
    if (!file) {
        if (fd >= 0)
            ::close(fd);
        error = "cannot open " + path.string() + " for the trace: " + why;
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
