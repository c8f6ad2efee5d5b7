// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every fuzz target shares: a scratch data folder of its own that is emptied before each
// input, so no input can see what an earlier one left behind and nothing outside it is touched.
// It is the working folder while an input runs, so relative paths land in it too: give the
// fuzzer absolute paths for its corpus and artifacts.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include <unistd.h>

#include "base/app_globals.h"

namespace ferrox::fuzz {

namespace fs = std::filesystem;

// Aborts with a message, so a broken property is reported like a crash.
[[noreturn]] inline void Fail(const char* what) {
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}
inline void Check(bool holds, const char* what) {
    if (!holds)
        Fail(what);
}

inline const fs::path& ScratchFolder() {
    static const fs::path folder = [] {
        // In memory where the system has it: every save flushes to disk, which would otherwise
        // set the pace.
        std::error_code ec;
        const fs::path base = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm")
                                                               : fs::temp_directory_path();
        fs::path dir = base / ("ferrox-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        std::atexit([] { std::error_code ec; fs::remove_all(ScratchFolder(), ec); });
        return dir;
    }();
    return folder;
}

// A fresh, empty data folder with its "config" folder; relative paths land in it too.
inline void ResetScratch() {
    const fs::path& dir = ScratchFolder();
    std::error_code ec;
    fs::current_path(fs::temp_directory_path(), ec);
    fs::remove_all(dir, ec);
    fs::create_directories(dir / "config");
    fs::current_path(dir, ec);
    DataFolder = dir;
    ProgramFolder = dir;
}

inline void WriteBytes(const fs::path& path, const uint8_t* data, std::size_t size) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        Fail("scratch file cannot be written");
    if (size && std::fwrite(data, 1, size, f) != size)
        Fail("scratch file cannot be written");
    std::fclose(f);
}

// A path a fuzzed setting may name without leaving the scratch folder: a plain file name
// (relative to it) or a path inside it, without "..".
inline bool StaysInScratch(std::wstring_view path) {
    if (path.find(L"..") != std::wstring_view::npos)
        return false;
    if (path.find(L'/') == std::wstring_view::npos)
        return true;
    const std::wstring inside = ScratchFolder().wstring() + L"/";
    return path.starts_with(inside);
}

} // namespace ferrox::fuzz
