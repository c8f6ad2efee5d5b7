// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the mouse sends by itself or in answer: status answers and input reports, one 33-byte
// report per 34 input bytes (the first byte says which). Input reports go through the same
// recognition as the reader threads' (05 06 only).
// Properties: the profile only ever holds values it can hold, the battery display 0..100 %.

#include "device/protocol/command_set.h"
#include "device/protocol/device_worker.h"
#include "device/protocol/sync_controller.h"
#include "fuzz/fuzz_support.h"
#include "macros/macro_library.h"
#include "settings/config_table.h"

using namespace ferrox;
using namespace ferrox::fuzz;

namespace {

constexpr std::size_t RecordSize = 1 + kFrameSize;

class CheckingHost : public SyncHost {
public:
    void updateBatteryDisplay(uint8_t level, ChargeState charge, int step) override {
        Check(level <= 100, "the battery display shows 0..100 %");
        Check(charge <= ChargeState::Full, "a known charge state");
        Check(step >= 25 && step <= 100, "the gauge's step is 25..100");
    }
};

struct Device {
    QueuedMessageSink sink;
    DeviceWorker worker{sink, [](std::chrono::milliseconds) {}};
    CommandSet commands{worker, [] { return std::shared_ptr<HidHandle>(); }};
    MacroLibrary library;
    CheckingHost host;
    NoSyncTimers timers;
    // No record of undelivered changes: the run keeps nothing between inputs.
    SyncController sync{commands, host, timers, library,
                        SyncStorage{[] { return true; }, [] { return true; },
                                    [](int) { return true; }, nullptr, nullptr, nullptr}};
};

void CheckProfile(const ProfileSettings& p) {
    Check(p.currentDpiLevel < 8, "a DPI level 0..7");
    Check(p.reportRate.rate <= 3, "a report rate 0..3");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static Device* device = new Device; // lives for the whole run: its worker thread too
    FillConfigDefaults();
    SetSensor(0x3325);
    BuildDpiStepTable();
    for (unsigned slot = 0; slot < ProfileCount; ++slot)
        ResetProfile(Profiles[slot], slot);
    device->sync.windowShown = true;
    for (std::size_t at = 0; at + RecordSize <= size; at += RecordSize) {
        Frame report{};
        std::copy(data + at + 1, data + at + RecordSize, report.begin());
        if (data[at] & 1) {
            if (report[0] == 0x05 && report[1] == 0x06)
                device->sync.Handle(DeviceEventMessage{DeviceKind::Wired, report[3], report[4]});
        } else {
            device->sync.Handle(AnswerMessage{report});
        }
        device->sync.PollStatus();
        CheckProfile(CurrentProfile());
    }
    device->sync.ApplyAll();
    return 0;
}
