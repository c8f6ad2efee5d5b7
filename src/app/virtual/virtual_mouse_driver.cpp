// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// No Qt here: the firmware's header uses a name Qt defines as a macro.
#include "app/virtual/virtual_mouse_driver.h"

#include "device/protocol/command_images.h"
#include "device/hid/virtual_hid_backend.h"
#include "device/virtual/virtual_mouse_firmware.h"

#include <array>

namespace ferrox {
namespace {

constexpr std::array<int, 4> kRatesHz = {125, 250, 500, 1000};

} // namespace

VirtualMouseDriver::VirtualMouseDriver(VirtualHidBackend& backend, FirmwareFor firmwareFor)
    : backend_(backend), firmwareFor_(std::move(firmwareFor)) {}

bool VirtualMouseDriver::Run(const VirtualAction& action) {
    const bool done = perform(action);
    if (listener_)
        listener_();
    return done;
}

bool VirtualMouseDriver::perform(const VirtualAction& action) {
    const auto kind = DeviceKind(action.value);
    switch (action.kind) {
    case VirtualActionKind::DpiButton:
        if (const auto end = activeEnd()) {
            end->pressDpiButton();
            return true;
        }
        return false;
    case VirtualActionKind::Rate:
        for (std::size_t rate = 0; rate < kRatesHz.size(); ++rate)
            if (kRatesHz[rate] == int(action.value))
                if (const auto end = activeEnd()) {
                    end->changeReportRate(ReportRateCode(uint8_t(rate)));
                    return true;
                }
        return false;
    case VirtualActionKind::Unplug:
        if (backend_.isPlugged(kind)) {
            lastEnd_ = firmwareFor_(kind);
            backend_.unplug(kind);
        }
        return true;
    case VirtualActionKind::Plug:
        if (!backend_.isPlugged(kind)) {
            const int level = Battery();
            const int charge = Charge();
            const bool asking = ShowRequested();
            const auto end = firmwareFor_(kind);
            end->setBattery(uint8_t(level), uint8_t(charge)); // the same mouse at either end
            end->setAccessFlag(asking ? 1 : 0);
            backend_.plug(kind, end);
            lastEnd_ = end;
        }
        return true;
    case VirtualActionKind::Battery:
        setBattery(int(action.value), Charge());
        return true;
    case VirtualActionKind::Charging:
        setBattery(Battery(), int(action.value));
        return true;
    case VirtualActionKind::ShowButton:
        forEachEnd([&](VirtualMouseFirmware& end) { end.setAccessFlag(uint8_t(action.value)); });
        return true;
    }
    return false;
}

void VirtualMouseDriver::setBattery(int level, int charge) {
    forEachEnd([&](VirtualMouseFirmware& end) { end.setBattery(uint8_t(level), uint8_t(charge)); });
}

// What the mouse is rather than what one end of it does: every plugged end, or, with none, the
// end that keeps it for whichever is plugged in next.
void VirtualMouseDriver::forEachEnd(const std::function<void(VirtualMouseFirmware&)>& change) {
    bool plugged = false;
    for (DeviceKind kind : kAllDeviceKinds)
        if (backend_.isPlugged(kind)) {
            change(*firmwareFor_(kind));
            plugged = true;
        }
    if (!plugged)
        change(*anyEnd());
}

std::shared_ptr<VirtualMouseFirmware> VirtualMouseDriver::activeEnd() const {
    for (DeviceKind kind : kAllDeviceKinds)
        if (backend_.isPlugged(kind))
            return firmwareFor_(kind);
    return nullptr;
}

std::shared_ptr<VirtualMouseFirmware> VirtualMouseDriver::anyEnd() const {
    if (auto end = activeEnd())
        return end;
    // With both ends unplugged the mouse is the end last seen: asking for the wired one would
    // make a fresh firmware that the saved state would then prefer over the receiver's.
    return lastEnd_ ? lastEnd_ : firmwareFor_(DeviceKind::Wired);
}

bool VirtualMouseDriver::Plugged(DeviceKind kind) const {
    return backend_.isPlugged(kind);
}

int VirtualMouseDriver::RateHz() const {
    const auto end = anyEnd();
    const std::optional<uint8_t> rate = end ? ReportRateOfCode(end->state().rateCode) : std::nullopt;
    return rate && *rate < kRatesHz.size() ? kRatesHz[*rate] : 0;
}

int VirtualMouseDriver::Battery() const {
    const auto end = anyEnd();
    return end ? end->state().battery : 0;
}

bool VirtualMouseDriver::ShowRequested() const {
    const auto end = anyEnd();
    return end && end->state().accessFlag != 0;
}

int VirtualMouseDriver::Charge() const {
    const auto end = anyEnd();
    return end ? end->state().chargeState : 0;
}

} // namespace ferrox
