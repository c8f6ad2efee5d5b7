// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A full profile switch to the virtual mouse: seven keys, every setting and seven macros of 168
// commands. Reports the time the calling thread spends in ApplyAll and the wire time from the
// first frame to the last against the sum of the pauses the frames ask for.

#include <benchmark/benchmark.h>

#include <chrono>
#include <mutex>

#include "device/protocol/command_set.h"
#include "device/protocol_test_support.h"
#include "device/protocol/sync_controller.h"
#include "device/virtual/virtual_mouse_firmware.h"
#include "settings/config_table.h"

namespace ferrox {
namespace {

using Clock = std::chrono::steady_clock;

// Two profiles that differ in everything a switch sends, each with seven long macros.
struct SwitchSetup {
    MacroLibrary library;

    SwitchSetup() {
        FillConfigDefaults();
        SetSensor(0x3325);
        BuildDpiStepTable();
        for (int slot = 0; slot < 2; ++slot) {
            ProfileSettings& p = Profiles[slot];
            ResetProfile(p, static_cast<unsigned>(slot));
            p.dpiEnableMask = slot ? 0x85 : 0x3F;
            p.currentDpiLevel = static_cast<uint8_t>(slot);
            p.dpiStep[0] = static_cast<uint16_t>(slot + 3);
            p.dpiColour[0] = ColourFromHex(slot ? 0x102030 : 0x405060);
            p.reportRate.rate = static_cast<uint8_t>(slot + 1);
            p.lighting.mode = slot ? 6 : 2;
            SetProfileNumber(p, ProfileKey::LiftDetectionHeight, slot + 1);
            SetProfileNumber(p, ProfileKey::KeyDebounce, 4 + slot);
            SetProfileNumber(p, ProfileKey::PowerDownTime, 3 + slot);
            SetProfileNumber(p, ProfileKey::MotionWakeup, slot);
            for (int k = 0; k < KeySlotCount; ++k) {
                const MacroKey& macro = addMacro(slot, k);
                p.keys[k].Assign(L"macro", MakeFunction(FunctionCategory::Macro), &macro);
            }
        }
    }

    const MacroKey& addMacro(int profile, int key) {
        MacroLocation where;
        library.AddMacro(L"m" + std::to_wstring(profile) + L"-" + std::to_wstring(key), where);
        MacroKey& m = *library.NodeAt(where)->macro;
        for (int i = 0; i < MacroCommandLimit; ++i) {
            const auto code = static_cast<uint8_t>(0x41 + (i / 2 + key + profile) % 26);
            (void)m.InsertAction(m.MacroActionNum, MacroAction::MakeKey(code, i % 2));
        }
        m.MacroCommandActionNum = MacroCommandLimit;
        // Different loop settings give every key a different function in the two profiles.
        m.MacroKeyLoopType = profile ? MacroLoopType::Mode1 : MacroLoopType::Counted;
        m.MacroKeyLoopNum = static_cast<uint8_t>(key + 1);
        return m;
    }
};

// The worker's frames and pauses in wire order, with the time of each frame.
struct WireLog {
    std::mutex mutex;
    std::vector<Clock::time_point> frames;
    std::vector<std::pair<std::size_t, int>> pauses; // frames written before it, milliseconds
    bool sleep = true;

    DeviceWorker::Pause pause() {
        return [this](std::chrono::milliseconds d) {
            {
                std::lock_guard lock(mutex);
                pauses.emplace_back(frames.size(), static_cast<int>(d.count()));
            }
            if (sleep) {
                DeviceWorker::RealPause(d);
            }
        };
    }
    void frame() {
        std::lock_guard lock(mutex);
        frames.push_back(Clock::now());
    }
    void clear() {
        std::lock_guard lock(mutex);
        frames.clear();
        pauses.clear();
    }
    // Pauses that fall between the first frame and the last.
    double expectedMs() {
        std::lock_guard lock(mutex);
        double sum = 0;
        for (const auto& [before, ms] : pauses) {
            if (before >= 1 && before < frames.size()) {
                sum += ms;
            }
        }
        return sum;
    }
    double wireMs() {
        std::lock_guard lock(mutex);
        return frames.size() < 2
                   ? 0.0
                   : std::chrono::duration<double, std::milli>(frames.back() - frames.front())
                         .count();
    }
};

struct Bench {
    SwitchSetup setup;
    std::shared_ptr<VirtualMouseFirmware> fw = std::make_shared<VirtualMouseFirmware>();
    std::shared_ptr<HidHandle> handle = std::make_shared<test::FirmwareHandle>(fw);
    QueuedMessageSink sink;
    WireLog wire;
    SyncHost host;
    NoSyncTimers timers;
    std::unique_ptr<DeviceWorker> worker;
    std::unique_ptr<CommandSet> commands;
    std::unique_ptr<SyncController> sync;

    explicit Bench(bool realPauses) {
        wire.sleep = realPauses;
        worker = std::make_unique<DeviceWorker>(sink, wire.pause());
        worker->setTrace([this](char direction, const Frame&) {
            if (direction == '>') {
                wire.frame();
            }
        });
        commands = std::make_unique<CommandSet>(*worker, [this] { return handle; });
        sync = std::make_unique<SyncController>(
            *commands, host, timers, setup.library,
            SyncStorage{[] { return true; }, [] { return true; }, [](int) { return true; },
                        [] { return 0u; }, [](unsigned) { return true; }, {}});
        sync->windowShown = true;
        SetCurrentSlot(0);
        sync->SyncShadows();
    }

    // Switches to the other profile as the profile bar does; returns the calling thread's time.
    double switchProfile() {
        SetCurrentSlot(1 - CurrentSlot());
        const auto start = Clock::now();
        sync->RequestApply(ChangeGroup::Keys | ChangeGroup::Settings | ChangeGroup::Power |
                           ChangeGroup::Wakeup);
        sync->ApplyAll();
        return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
    }
};

void BM_ApplyAllCallingThread(benchmark::State& state) {
    Bench bench(false);
    double total = 0;
    bench.wire.clear();
    for (auto _ : state) {
        const double us = bench.switchProfile();
        total += us;
        state.SetIterationTime(us / 1e6);
        state.PauseTiming();
        bench.worker->waitIdle();
        state.ResumeTiming();
    }
    state.counters["frames"] =
        static_cast<double>(bench.wire.frames.size()) / static_cast<double>(state.iterations());
    state.counters["apply_us"] = total / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ApplyAllCallingThread)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_ProfileSwitchWireTime(benchmark::State& state) {
    Bench bench(true);
    for (auto _ : state) {
        bench.wire.clear();
        const double us = bench.switchProfile();
        bench.worker->waitIdle();
        const double wire = bench.wire.wireMs();
        const double expected = bench.wire.expectedMs();
        state.SetIterationTime(wire / 1e3);
        state.counters["apply_us"] = us;
        state.counters["frames"] = static_cast<double>(bench.wire.frames.size());
        state.counters["wire_ms"] = wire;
        state.counters["pauses_ms"] = expected;
        state.counters["over_pct"] = expected > 0 ? 100.0 * (wire - expected) / expected : 0.0;
    }
}
BENCHMARK(BM_ProfileSwitchWireTime)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace ferrox

BENCHMARK_MAIN();
