// Kept apart from the Qt code: the firmware's header uses a name Qt defines as a macro.
#include "app/simulated_firmware.h"

#include "device/virtual_mouse_firmware.h"

namespace ferrox {

FirmwareMaker SimulatedFirmwareMaker() {
    return [](DeviceKind) { return std::make_shared<VirtualMouseFirmware>(); };
}

} // namespace ferrox
