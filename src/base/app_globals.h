// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Process-wide values fixed once at start-up (by the window program or ferroxctl) and read by
// every subsystem afterwards.

#include <filesystem>
#include <system_error>

namespace ferrox {

// Folder of the shipped data: lang/ and skins/ live here. Ends without a separator; join
// with operator/.
extern std::filesystem::path ProgramFolder;
// Per-user data folder ($XDG_CONFIG_HOME/ferrox, or the override); its
// "config" subfolder holds the configuration, profiles, macro library and language choice.
extern std::filesystem::path DataFolder;
// 1.0, 1.5 or 2.0: every design coordinate, window size and font height is multiplied by it
// and truncated.
extern float UiScale;
// Logical pixels per inch / 96.
extern float DpiRatio;

inline std::filesystem::path ConfigFolder() { return DataFolder / "config"; }

// How the values above are found at start-up.

// The folder the running executable lives in (empty when it cannot be told).
std::filesystem::path ExecutableFolder();
// exeFolder when it holds the shipped data (a build tree), else exeFolder/../share/ferrox when
// that holds it (an installed tree, wherever it was unpacked), else the installed share folder.
std::filesystem::path ChooseProgramFolder(const std::filesystem::path& exeFolder,
                                          const std::filesystem::path& installedShare);
// $XDG_CONFIG_HOME when it is an absolute path, else ~/.config (made absolute).
std::filesystem::path XdgConfigHome();
// override (--data-dir) when given, else FERROX_DATA_DIR, else $XDG_CONFIG_HOME (default
// ~/.config) + "/ferrox"; made absolute, links left as they are. While only the old folder
// (GamingMouseData20220725A) is there, its move not done yet or failed, that one
// (data_folder_move.h).
std::filesystem::path ChooseDataFolder(const std::filesystem::path& override = {});
// Neither --data-dir (override) nor FERROX_DATA_DIR names the folder.
bool UsesDefaultDataFolder(const std::filesystem::path& override);
// Creates folder and its "config" subfolder where missing; the error when that failed.
std::error_code CreateDataFolder(const std::filesystem::path& folder);
// From the full-screen work area in logical pixels: 2.0 above 2400 x 1600, 1.5 above
// 1800 x 1200, otherwise 1.0.
float ChooseUiScale(int width, int height);

} // namespace ferrox
