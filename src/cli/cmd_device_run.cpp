// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cmd_device_run.h"

#include "base/instance_lock.h"
#include "base/text_file.h"
#include "cli/command_host.h"
#include "cli/command_table.h"
#include "cli/data_load.h"
#include "cli/window_guard.h"
#include "device/protocol/unsent_changes.h"
#include "lang/language_loader.h"
#include "macros/macro_user_library.h"
#include "settings/config_file.h"
#include "startup/startup_load.h"

#include <algorithm>
#include <ostream>

namespace ferrox {

DeviceWorker::Pause DeviceCommandPause = DeviceWorker::RealPause;

DeviceCommandRun::DeviceCommandRun(CliContext& context, std::string name)
    : context_(context), name_(std::move(name)) {}

DeviceCommandRun::~DeviceCommandRun() {
    if (InWindow() && session_)
        context_.host->endSend();
    ownSession_.reset(); // readers stopped, queued frames sent, before the lock goes
}

int DeviceCommandRun::Fail(const std::string& message, int status) {
    context_.err << "ferroxctl " << name_ << ": " << message << "\n";
    return status;
}

void DeviceCommandRun::Warn(const std::string& message) {
    context_.err << "ferroxctl " << name_ << ": warning: " << message << "\n";
}

bool DeviceCommandRun::RefuseWhileWindowRuns() {
    return !ClaimDataFolder(context_, name_, GuardUse::FilesAndDevice, lock_);
}

bool DeviceCommandRun::LoadSettings() {
    return LoadToChange(context_, name_);
}

std::shared_ptr<VirtualFirmware> DeviceCommandRun::makeFirmware(DeviceKind kind) {
    auto firmware = std::make_shared<VirtualMouseFirmware>();
    const auto& file = context_.simulateState;
    if (!file.empty() && stateFault_.empty()) {
        FileProblem problem;
        const auto load = firmware->loadState(file, problem);
        stateFault_ = StateFileFault(file, load, problem);
    }
    firmware_.emplace_back(kind, firmware);
    return firmware;
}

void DeviceCommandRun::printFrame(char direction, std::span<const uint8_t> frame) {
    const std::string line = TraceLine(direction, frame);
    std::lock_guard lock(traceMutex_);
    context_.out << line << std::flush;
}

bool DeviceCommandRun::OpenInWindow() {
    session_ = &context_.host->session();
    context_.host->beginSend();
    return true;
}

bool DeviceCommandRun::Open() {
    if (InWindow())
        return OpenInWindow();
    context_.makeFirmware = [this](DeviceKind kind) { return makeFirmware(kind); };
    HidSystem& hid = context_.hid();
    if (!stateFault_.empty()) {
        Fail(stateFault_);
        return false;
    }
    ownSession_ = std::make_unique<SyncSession>(*hid.backend, sink_, host_, timers_,
                                                UserMacroLibrary(), DeviceCommandPause);
    session_ = ownSession_.get();
    if (context_.trace) {
        session_->worker().setTrace(
            [this](char direction, const Frame& frame) { printFrame(direction, frame); });
    }
    // No window: nothing keeps it hidden, so applies are allowed.
    sync().windowShown = true;
    sync().deviceShow = true;
    session_->discovery().RegisterForDeviceNotifications();
    sync().SyncShadows();
    session_->discovery().ScanDevices();
    sync().DiscardChanges();
    sync().ResumeUndelivered(); // what an earlier run saved without reaching the mouse
    return true;
}

bool DeviceCommandRun::DeviceFound() const {
    return session_ && session_->discovery().link().anyPresent;
}

std::vector<DeviceMessage> DeviceCommandRun::Finish(bool handle) {
    // The window's answers and failed writes are the window's to handle, on its own loop, and
    // its thread never waits for the mouse.
    if (InWindow()) {
        context_.host->framesQueued(size_t(std::max<std::streamoff>(context_.out.tellp(), 0)));
        return {};
    }
    session_->worker().waitIdle();
    std::vector<DeviceMessage> messages = sink_.takeAll();
    if (handle) {
        for (const DeviceMessage& m : messages) {
            session_->Handle(m);
        }
    }
    // The state the commands went to: the wired mouse wins when both are plugged in.
    std::shared_ptr<VirtualMouseFirmware> target;
    for (const auto& [kind, firmware] : firmware_) {
        if (!target || kind == DeviceKind::Wired) {
            target = firmware;
        }
    }
    FileProblem problem;
    if (target && !context_.simulateState.empty() &&
        !target->saveState(context_.simulateState, problem)) {
        Warn(DescribeFileProblem(problem));
    }
    return messages;
}

bool DeviceCommandRun::AnyWriteFailed(const std::vector<DeviceMessage>& messages) {
    for (const DeviceMessage& m : messages) {
        if (std::holds_alternative<WriteFailedMessage>(m)) {
            return true;
        }
    }
    return false;
}

int DeviceCommandRun::ReportDelivery(const std::vector<DeviceMessage>& messages,
                                     const std::string& what) {
    const bool found = DeviceFound();
    const bool failed = AnyWriteFailed(messages);
    if (found && !failed) {
        return kExitOk;
    }
    const unsigned pending = sync().undelivered();
    if ((ReadUnsentChanges(UnsentChangesPath()) & pending) != pending) {
        return Fail(what + " is saved, but " + UnsentChangesPath().string() +
                    " could not be written to send it later; run ferroxctl apply when the "
                    "mouse is connected");
    }
    const std::string later =
        " is saved and is sent when ferroxctl or the Ferrox window next finds the mouse";
    if (!found) {
        Warn("no mouse or receiver found; " + what + later);
        return kExitOk;
    }
    return Fail("the mouse did not take every command; " + what + later);
}

} // namespace ferrox
