#include "settings/app_globals.h"

namespace ferrox {

std::filesystem::path ProgramFolder;
std::filesystem::path DataFolder;
float UiScale = 1.0f;
float DpiRatio = 1.0f;

} // namespace ferrox
