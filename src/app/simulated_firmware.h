#pragma once
// The firmware the virtual mouse runs for --simulate.

#include "device/hid_system.h"

namespace ferrox {

FirmwareMaker SimulatedFirmwareMaker();

} // namespace ferrox
