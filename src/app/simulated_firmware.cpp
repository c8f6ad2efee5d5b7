// Kept apart from the Qt code: the firmware's header uses a name Qt defines as a macro.
#include "app/simulated_firmware.h"

#include "device/virtual_mouse_firmware.h"

namespace ferrox {

SimulatedMice::SimulatedMice(std::filesystem::path stateFile) : stateFile_(std::move(stateFile)) {}

FirmwareMaker SimulatedMice::Maker() {
    return [this](DeviceKind kind) {
        auto firmware = std::make_shared<VirtualMouseFirmware>();
        std::error_code error;
        if (!stateFile_.empty() && std::filesystem::exists(stateFile_, error) &&
            !firmware->loadState(stateFile_))
            readable_ = false;
        firmware_.emplace_back(kind, firmware);
        return firmware;
    };
}

std::shared_ptr<VirtualMouseFirmware> SimulatedMice::FirmwareFor(DeviceKind kind) {
    for (const auto& [made, firmware] : firmware_)
        if (made == kind)
            return firmware;
    Maker()(kind);
    return firmware_.back().second;
}

bool SimulatedMice::SaveState() const {
    std::shared_ptr<VirtualMouseFirmware> target;
    for (const auto& [kind, firmware] : firmware_)
        if (!target || kind == DeviceKind::Wired)
            target = firmware;
    return stateFile_.empty() || !target || target->saveState(stateFile_);
}

} // namespace ferrox
