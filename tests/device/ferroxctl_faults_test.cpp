// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ferroxctl on a virtual mouse that misbehaves: cut off in the middle of a full send, writes
// that fail, answers that are empty, garbage or short, and the receiver and the cable in each
// combination. Every run ends, says what went wrong, and what did not reach the mouse is sent
// by the next run that finds it.

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "base/app_globals.h"
#include "cli/cmd_device_run.h"
#include "cli/command_table.h"
#include "device/protocol/change_groups.h"
#include "device/protocol/unsent_changes.h"
#include "device/hid/virtual_hid_backend.h"
#include "device/virtual/virtual_mouse_firmware.h"
#include "settings/dpi_table.h"

namespace ferrox {
namespace {

namespace fs = std::filesystem;
using Firmware = std::shared_ptr<VirtualMouseFirmware>;

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

class FerroxctlFaults : public ::testing::Test {
protected:
    void SetUp() override {
        DeviceCommandPause = [](std::chrono::milliseconds) {};
        FreshDataFolder();
    }

    void FreshDataFolder() {
        const char* base = std::getenv("FERROX_DATA_DIR");
        const fs::path folder = fs::path(base ? base : "/tmp/ferrox-ferroxctl-faults") /
                                ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(folder);
        DataFolder = folder / "data";
        CreateDataFolder(DataFolder);
    }

    using Plugged = std::vector<std::pair<DeviceKind, Firmware>>;

    // One ferroxctl run, with these devices plugged in.
    CliRun run(std::vector<std::string> words, const Plugged& plugged) {
        std::ostringstream out;
        std::ostringstream err;
        CliContext context(out, err);
        DpiSteps = DpiStepTable{}; // as in a new process
        auto backend = std::make_unique<VirtualHidBackend>();
        backend_ = backend.get();
        for (const auto& [kind, firmware] : plugged)
            backend_->plug(kind, firmware);
        context.useHid(HidSystem{std::move(backend), backend_, nullptr});
        context.simulate = SimulateKind::Both;
        context.args.assign(words.begin() + 1, words.end());
        CliRun result;
        result.status = FindCommand(words[0])->run(context);
        result.out = out.str();
        result.err = err.str();
        backend_ = nullptr;
        return result;
    }
    // Each of these kinds reaches the same mouse.
    CliRun run(std::vector<std::string> words, const Firmware& mouse,
            std::vector<DeviceKind> kinds = {DeviceKind::Receiver}) {
        Plugged plugged;
        for (DeviceKind kind : kinds)
            plugged.emplace_back(kind, mouse);
        return run(std::move(words), plugged);
    }

    VirtualHidBackend* backend_ = nullptr; // of the run under way
};

constexpr const char* kSentLater =
    "is sent when ferroxctl or the Ferrox window next finds the mouse";

// The mouse takes the full send of `apply` up to `cut` frames, then the receiver is pulled.
// The next run, which changes something else, brings the mouse to where a clean apply would.
TEST_F(FerroxctlFaults, UnplugInTheMiddleOfApply) {
    for (int cut : {0, 1, 4, 9}) {
        SCOPED_TRACE(cut);
        FreshDataFolder();
        const auto reference = std::make_shared<VirtualMouseFirmware>();
        ASSERT_EQ(run({"apply"}, reference).status, kExitOk);
        ASSERT_EQ(run({"set", "debounce", "4"}, reference).status, kExitOk);

        FreshDataFolder();
        const auto mouse = std::make_shared<VirtualMouseFirmware>();
        mouse->unplugAfter(cut, [this] { backend_->unplug(DeviceKind::Receiver); });
        const CliRun cutOff = run({"apply"}, mouse);
        EXPECT_EQ(cutOff.status, kExitFailure);
        EXPECT_EQ(cutOff.err, "ferroxctl apply: the mouse did not take every command; the rest "
                              "goes out when it is next connected\n");
        EXPECT_NE(ReadUnsentChanges(UnsentChangesPath()), 0u);

        mouse->replug();
        const CliRun next = run({"set", "debounce", "4"}, mouse);
        EXPECT_EQ(next.status, kExitOk) << next.err;
        EXPECT_EQ(mouse->state().serialize(), reference->state().serialize());
        EXPECT_FALSE(fs::exists(UnsentChangesPath()));
    }
}

TEST_F(FerroxctlFaults, RefusedWritesAreSentByTheNextRun) {
    const auto mouse = std::make_shared<VirtualMouseFirmware>();
    mouse->setFailWrites(true);
    const CliRun refused = run({"set", "rate", "125"}, mouse);
    EXPECT_EQ(refused.status, kExitFailure);
    EXPECT_NE(refused.err.find(kSentLater), std::string::npos) << refused.err;
    EXPECT_EQ(ReadUnsentChanges(UnsentChangesPath()), ChangeGroup::Settings);

    mouse->setFailWrites(false);
    const CliRun next = run({"set", "wakeup", "off"}, mouse);
    EXPECT_EQ(next.status, kExitOk) << next.err;
    EXPECT_EQ(mouse->state().rateCode, 0x08);
    EXPECT_EQ(mouse->state().motionWakeup, 0);
    EXPECT_FALSE(fs::exists(UnsentChangesPath()));
}

// status reads the answer and never acts on it; an answer that says nothing is a clear failure.
TEST_F(FerroxctlFaults, StatusWithEmptyGarbageAndShortAnswers) {
    struct Case {
        const char* name;
        std::function<void(VirtualMouseFirmware&)> fault;
        int status;
        const char* says; // in the output, or in the error when the run failed
    };
    const Case cases[] = {
        {"first answer empty", [](auto& m) { m.setEmptyAnswers(1); }, kExitOk, "battery:   42%"},
        {"both answers empty", [](auto& m) { m.setEmptyAnswers(2); }, kExitFailure,
         "ferroxctl status: the mouse did not answer the status query\n"},
        {"garbage", [](auto& m) { m.spoilAnswers(SpoiledAnswer::Garbage, 2); }, kExitFailure,
         "ferroxctl status: the mouse did not answer the status query\n"},
        // The fields that did not arrive are not read as a sensor.
        {"short", [](auto& m) { m.spoilAnswers(SpoiledAnswer::Short, 2); }, kExitOk,
         "sensor:    unknown (code 0xFF)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto mouse = std::make_shared<VirtualMouseFirmware>();
        mouse->setBattery(42, 0);
        c.fault(*mouse);
        const CliRun r = run({"status"}, mouse);
        EXPECT_EQ(r.status, c.status);
        const std::string& text = c.status == kExitOk ? r.out : r.err;
        EXPECT_NE(text.find(c.says), std::string::npos) << r.out << r.err;
        EXPECT_FALSE(fs::exists(ConfigFolder() / "config.ini")) << "read only";
    }
}

// Commands go to the cable when it is plugged in, to the receiver otherwise; with neither the
// change is kept for later.
TEST_F(FerroxctlFaults, ReceiverAndCableInEachCombination) {
    using enum DeviceKind;
    struct Case {
        std::vector<DeviceKind> plugged;
        DeviceKind reached;
    };
    const Case cases[] = {{{Receiver}, Receiver}, {{Wired}, Wired},
                          {{Wired, Receiver}, Wired}, {{Receiver, Wired}, Wired}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.plugged.size());
        FreshDataFolder();
        const auto wired = std::make_shared<VirtualMouseFirmware>();
        const auto receiver = std::make_shared<VirtualMouseFirmware>();
        Plugged plugged;
        for (DeviceKind kind : c.plugged)
            plugged.emplace_back(kind, kind == Wired ? wired : receiver);
        const CliRun r = run({"set", "rate", "125"}, plugged);
        ASSERT_EQ(r.status, kExitOk) << r.err;
        EXPECT_EQ((c.reached == Wired ? wired : receiver)->state().rateCode, 0x08);
        EXPECT_TRUE((c.reached == Wired ? receiver : wired)->frames().empty());
    }
    // Neither: the change waits in the data folder for the next run that finds the mouse.
    const auto mouse = std::make_shared<VirtualMouseFirmware>();
    const CliRun none = run({"set", "rate", "250"}, mouse, {});
    EXPECT_EQ(none.status, kExitOk);
    EXPECT_NE(none.err.find("no mouse or receiver found"), std::string::npos) << none.err;
    ASSERT_EQ(run({"status"}, mouse, {Wired}).status, kExitOk);
    EXPECT_NE(mouse->state().rateCode, 0x04) << "status sends nothing";
    ASSERT_EQ(run({"set", "wakeup", "off"}, mouse, {Wired}).status, kExitOk);
    EXPECT_EQ(mouse->state().rateCode, 0x04);
}

} // namespace
} // namespace ferrox
