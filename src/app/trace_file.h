// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The --trace FILE log of the window program: every report written and read, one line each,
// appended and flushed at once, so the file is complete whenever the program stops.

#include "device/protocol/frame.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>

namespace ferrox {

class TraceFile {
public:
    // Null, with a message for the user in error, when the file cannot be opened for appending.
    static std::unique_ptr<TraceFile> Open(const std::filesystem::path& path, std::string& error);
    ~TraceFile();
    TraceFile(const TraceFile&) = delete;
    TraceFile& operator=(const TraceFile&) = delete;

    // Called on the device worker's thread.
    void Write(char direction, std::span<const uint8_t> report);

private:
    explicit TraceFile(std::FILE* file) : file_(file) {}

    std::mutex mutex_;
    std::FILE* file_;
};

} // namespace ferrox
