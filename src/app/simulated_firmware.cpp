// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Kept apart from the Qt code: the firmware's header uses a name Qt defines as a macro.
#include "app/simulated_firmware.h"

#include "device/virtual/virtual_mouse_firmware.h"

namespace ferrox {

SimulatedMice::SimulatedMice(std::filesystem::path stateFile) : stateFile_(std::move(stateFile)) {}

FirmwareMaker SimulatedMice::Maker() {
    return [this](DeviceKind kind) {
        auto firmware = std::make_shared<VirtualMouseFirmware>();
        if (!stateFile_.empty() && stateFault_.empty()) {
            FileProblem problem;
            const auto load = firmware->loadState(stateFile_, problem);
            stateFault_ = StateFileFault(stateFile_, load, problem);
        }
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

std::string SimulatedMice::SaveMouseState() const {
    std::shared_ptr<VirtualMouseFirmware> target;
    for (const auto& [kind, firmware] : firmware_)
        if (!target || kind == DeviceKind::Wired)
            target = firmware;
    FileProblem problem;
    if (stateFile_.empty() || !target || target->saveState(stateFile_, problem))
        return {};
    return DescribeFileProblem(problem);
}

} // namespace ferrox
