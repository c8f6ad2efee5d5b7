// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ferroxctl status | apply [SLOT] | reset: the mouse's status as the window shows it, sending a
// whole profile, and the firmware reset.

#include "cli/cmd_device_run.h"
#include "cli/cmd_device_values.h"
#include "cli/command_table.h"
#include "cli/json_text.h"
#include "cli/status_text.h"
#include "device/protocol/command_set.h"
#include "device/protocol/status_answer.h"
#include "settings/config_table.h"
#include "settings/profile_slots.h"

#include <cstdio>
#include <ostream>

namespace ferrox {
namespace {

constexpr const char* kNoDevice = "no mouse or receiver found";

std::string Hex(unsigned value, int digits) {
    char text[12];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

// The signature bytes as text; any byte that is not printable ASCII (or is a backslash) shows
// as \xNN, so an answer cannot drive the terminal.
std::string SignatureText(const Frame& frame) {
    std::string text;
    for (auto it = frame.begin() + 8; it != frame.begin() + 12; ++it) {
        if (*it >= 0x20 && *it < 0x7F && *it != '\\') {
            text += static_cast<char>(*it);
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", *it);
            text += hex;
        }
    }
    return text;
}

void PrintStatus(CliContext& context, const Frame& frame, const StatusAnswer& answer) {
    const std::string signature = SignatureText(frame);
    const std::optional<SensorIdValue> sensor = SensorOfCode(answer.sensorCode);
    const std::string sensorText = sensor ? Hex(*sensor, 4) : "unknown";
    // The battery gauge shows no level above 100.
    const int battery = answer.batteryLevel > 100 ? 0 : answer.batteryLevel;
    std::ostream& out = context.out;
    if (context.json) {
        out << "{" << kJsonFormatMember << ", \"signature\": " << JsonString(signature)
            << ", \"signatureMatches\": " << (answer.signatureMatches ? "true" : "false")
            << ", \"sensor\": " << (sensor ? std::to_string(*sensor) : "null")
            << ", \"sensorCode\": " << JsonString(Hex(answer.sensorCode, 2))
            << ", \"battery\": " << battery
            << ", \"charge\": " << JsonString(ChargeText(answer.charge))
            << ", \"access\": " << int(answer.accessFlag) << "}\n";
        return;
    }
    out << "signature: " << signature << (answer.signatureMatches ? "" : " (not this mouse)")
        << "\n"
        << "sensor:    " << sensorText << " (code " << Hex(answer.sensorCode, 2) << ")\n"
        << "battery:   " << battery << "%\n"
        << "charge:    " << ChargeText(answer.charge) << "\n"
        << "access:    " << int(answer.accessFlag) << "\n";
}

// The status answer to print: the window's last one (it queries the mouse on its own, and a
// query of ours would be acted on as if the window had asked), else a query of our own.
std::optional<Frame> StatusFrame(DeviceCommandRun& run) {
    if (run.InWindow())
        return run.sync().lastStatusAnswer();
    run.sync().QueryStatus();
    // Read only: the answer is printed, never acted on (no sensor change, no file written).
    for (const DeviceMessage& m : run.Finish(false)) {
        if (const auto* answer = std::get_if<AnswerMessage>(&m)) {
            if (ParseStatusAnswer(answer->frame)) {
                return answer->frame;
            }
        }
    }
    return std::nullopt;
}

} // namespace

int CmdStatus(CliContext& context) {
    DeviceCommandRun run(context, "status");
    if (!context.args.empty()) {
        return run.Fail("expected no arguments", kExitUsage);
    }
    if (!run.Open()) {
        return kExitFailure;
    }
    if (!run.DeviceFound()) {
        return run.Fail(kNoDevice);
    }
    if (const std::optional<Frame> frame = StatusFrame(run)) {
        if (const auto status = ParseStatusAnswer(*frame)) {
            PrintStatus(context, *frame, *status);
            return kExitOk;
        }
    }
    return run.Fail("the mouse did not answer the status query");
}

int CmdApply(CliContext& context) {
    DeviceCommandRun run(context, "apply");
    if (context.args.size() > 1) {
        return run.Fail("expected at most one profile SLOT (0..4)", kExitUsage);
    }
    std::optional<long> slot;
    if (!context.args.empty()) {
        slot = ParseCliNumber(context.args[0], 0, ProfileCount - 1);
        if (!slot) {
            return run.Fail("profile SLOT must be 0..4, not " + context.args[0], kExitUsage);
        }
    }
    if (run.RefuseWhileWindowRuns()) {
        return kExitFailure;
    }
    if (!run.LoadSettings()) {
        return kExitFailure;
    }
    if (slot && UseProfile(static_cast<int>(*slot)) != ProfileResult::Done) {
        return run.Fail("profile slot " + std::to_string(*slot) + " is not on the profile bar");
    }
    if (!run.Open()) {
        return kExitFailure;
    }
    if (!run.DeviceFound()) {
        return run.Fail(kNoDevice);
    }
    // Everything, as if the mouse held nothing: a disabled key (all zeros) is sent too.
    run.session().commands().MarkAllUnsent();
    run.sync().RequestApply(ChangeGroup::Keys | ChangeGroup::Settings | ChangeGroup::Power |
                            ChangeGroup::Wakeup);
    run.sync().ApplyAll();
    const auto messages = run.Finish();
    if (!run.sync().DeferredSave()) {
        return run.Fail("the settings could not be saved");
    }
    if (DeviceCommandRun::AnyWriteFailed(messages)) {
        return run.Fail("the mouse did not take every command; the rest goes out when it is "
                        "next connected");
    }
    return kExitOk;
}

int CmdReset(CliContext& context) {
    DeviceCommandRun run(context, "reset");
    if (!context.args.empty()) {
        return run.Fail("expected no arguments", kExitUsage);
    }
    if (run.RefuseWhileWindowRuns()) {
        return kExitFailure;
    }
    if (!run.LoadSettings()) {
        return kExitFailure;
    }
    if (!run.Open()) {
        return kExitFailure;
    }
    if (!run.DeviceFound()) {
        return run.Fail(std::string(kNoDevice) + "; nothing was reset");
    }
    const bool saved = run.sync().FirmwareReset();
    const auto messages = run.Finish();
    if (DeviceCommandRun::AnyWriteFailed(messages)) {
        return run.Fail("the mouse did not take the reset");
    }
    if (!saved) {
        return run.Fail("the reset profile could not be saved");
    }
    return kExitOk;
}

} // namespace ferrox
