#pragma once
// Process-wide values fixed once at start-up (by the window program or ferroxctl) and read by
// every subsystem afterwards.

#include <filesystem>

namespace ferrox {

// Folder of the shipped data: lang/ and skins/ live here. Ends without a separator; join
// with operator/.
extern std::filesystem::path ProgramFolder;
// Per-user data folder ($XDG_CONFIG_HOME/GamingMouseData20220725A, or the override); its
// "config" subfolder holds the configuration, profiles, macro library and language choice.
extern std::filesystem::path DataFolder;
// 1.0, 1.5 or 2.0: every design coordinate, window size and font height is multiplied by it
// and truncated.
extern float UiScale;
// Logical pixels per inch / 96.
extern float DpiRatio;

inline std::filesystem::path ConfigFolder() { return DataFolder / "config"; }

} // namespace ferrox
