#pragma once
// The profile side of the window test, kept out of the Qt translation unit: the settings
// headers use names Qt defines as macros.

#include <cstdint>

namespace ferrox::test {

void ResetTestSettings();
uint8_t CurrentDpiLevel();
void SetCurrentReportRate(uint8_t rate);

} // namespace ferrox::test
