// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ferroxctl virtual ACTION: plays with the virtual mouse of a window started with
// `ferrox --simulate` — its DPI button, report rate, cable, receiver and battery — through the
// window's socket. It touches neither files nor a mouse of its own, so it runs beside the
// window whatever data folder either uses.

#include "base/instance_client.h"
#include "base/instance_lock.h"
#include "cli/command_table.h"
#include "device/virtual/virtual_mouse_action.h"

#include <ostream>

namespace ferrox {

int CmdVirtual(CliContext& context) {
    std::string error;
    const std::optional<VirtualAction> action = ParseVirtualAction(context.args, error);
    if (!action) {
        context.err << "ferroxctl virtual: " << error << "\n";
        return kExitUsage;
    }
    switch (AskRunningInstance(InstanceSocketPath(), InstanceMessageType::VirtualMouse,
                               VirtualMousePayload(uint32_t(action->kind), action->value))) {
    case InstanceReply::Done:
        return kExitOk;
    case InstanceReply::NoInstance:
        context.err << "ferroxctl virtual: no Ferrox window is running; start one with "
                       "ferrox --simulate\n";
        return kExitFailure;
    case InstanceReply::Refused:
        context.err << "ferroxctl virtual: the Ferrox window is not running with --simulate; "
                       "it works on the real mouse\n";
        return kExitFailure;
    case InstanceReply::NoAnswer:
        context.err << "ferroxctl virtual: the Ferrox window did not answer within five "
                       "seconds\n";
        return kExitFailure;
    case InstanceReply::Failed:
        context.err << "ferroxctl virtual: the virtual mouse has neither its cable nor its "
                       "receiver plugged in\n";
        return kExitFailure;
    case InstanceReply::VersionMismatch:
        context.err << "ferroxctl virtual: version mismatch: the running Ferrox window is of "
                       "another version; restart it\n";
        return kExitFailure;
    }
    return kExitFailure;
}

} // namespace ferrox
