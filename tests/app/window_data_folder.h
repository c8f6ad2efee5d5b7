// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh data folder for one main-window test, so one test's saved profiles never become the
// next one's start-up state. startShown writes NeedPassword 0 (the window may show itself at
// once); otherwise the first-run default (1) stands.

#include "base/app_globals.h"
#include "settings/config_file.h"
#include "settings/config_table.h"

#include <atomic>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace ferrox::test {

inline std::filesystem::path FreshWindowDataFolder(bool startShown) {
    static std::atomic<int> counter{0};
    // Below the test program's own data folder (inside the build tree), never in /tmp.
    const std::filesystem::path folder =
        ChooseDataFolder() /
        ("window-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(folder);
    DataFolder = folder;
    std::filesystem::create_directories(folder);
    CreateDataFolder(folder);
    LoadConfig(); // first run: writes the defaults
    if (startShown) {
        SetConfigNumber(ConfigKey::NeedPassword, 0);
        SaveConfig();
    }
    return folder;
}

} // namespace ferrox::test
