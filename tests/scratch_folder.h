// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scratch space of one test process, so parallel runs never share it. It lives beside the test
// program's own data folder (inside the build tree, set by CTest), not in /tmp, so runs leave
// nothing behind outside the build.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace ferrox::test {

inline std::filesystem::path Scratch() {
    static const std::filesystem::path folder = [] {
        const char* data = std::getenv("FERROX_DATA_DIR");
        const std::filesystem::path base = data && *data
                                               ? std::filesystem::path(data).parent_path()
                                               : std::filesystem::path(testing::TempDir());
        return base / ("scratch-" + std::to_string(::getpid()));
    }();
    std::filesystem::create_directories(folder);
    return folder;
}

} // namespace ferrox::test
