// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/app_globals.h"

#include "base/data_folder_move.h"

#include <cstdlib>

namespace ferrox {

std::filesystem::path ProgramFolder;
std::filesystem::path DataFolder;
float UiScale = 1.0f;
float DpiRatio = 1.0f;

} // namespace ferrox

namespace ferrox {
namespace fs = std::filesystem;

namespace {

fs::path EnvPath(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? fs::path(value) : fs::path();
}

fs::path Absolute(const fs::path& path) {
    std::error_code ec;
    fs::path result = fs::absolute(path, ec);
    return ec ? path : result;
}

} // namespace

fs::path ExecutableFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : exe.parent_path();
}

namespace {

bool HoldsShippedData(const fs::path& folder) {
    std::error_code ec;
    return fs::is_directory(folder / "lang", ec) || fs::is_directory(folder / "skins", ec);
}

} // namespace

fs::path ChooseProgramFolder(const fs::path& exeFolder, const fs::path& installedShare) {
    if (HoldsShippedData(exeFolder))
        return exeFolder;
    // An installed tree unpacked elsewhere (a staged install, a copied prefix) keeps bin/ and
    // share/ferrox/ side by side: that copy belongs to this program, the prefix's may not.
    if (const fs::path beside = exeFolder.parent_path() / "share" / "ferrox";
        !exeFolder.empty() && HoldsShippedData(beside))
        return beside;
    std::error_code ec;
    if (fs::is_directory(installedShare, ec))
        return installedShare;
    return exeFolder;
}

fs::path XdgConfigHome() {
    fs::path config = EnvPath("XDG_CONFIG_HOME");
    // XDG says a relative value is to be ignored.
    if (config.empty() || config.is_relative()) {
        const fs::path home = EnvPath("HOME");
        config = (home.empty() ? fs::path("/tmp") : home) / ".config";
    }
    return Absolute(config);
}

bool UsesDefaultDataFolder(const fs::path& override) {
    return override.empty() && EnvPath("FERROX_DATA_DIR").empty();
}

fs::path ChooseDataFolder(const fs::path& override) {
    if (!override.empty())
        return Absolute(override);
    if (fs::path env = EnvPath("FERROX_DATA_DIR"); !env.empty())
        return Absolute(env);
    const fs::path home = XdgConfigHome();
    // The old folder is still in use while its move is due or has failed.
    return home / (OnlyOldDataFolder(home) ? kOldDataFolderName : kDataFolderName);
}

std::error_code CreateDataFolder(const fs::path& folder) {
    std::error_code ec;
    fs::create_directories(folder / "config", ec);
    return ec;
}

float ChooseUiScale(int width, int height) {
    if (width > 2400 && height > 1600)
        return 2.0f;
    if (width > 1800 && height > 1200)
        return 1.5f;
    return 1.0f;
}

} // namespace ferrox
