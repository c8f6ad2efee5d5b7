// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sending end of the running instance's socket: a second start's wake-up and ferroxctl's
// requests. Plain POSIX, no Qt: it works before any Qt object exists.

#include "base/instance_message.h"

#include <chrono>
#include <filesystem>
#include <span>
#include <string>

namespace ferrox {

// Sends the wake-up, with the launcher's xdg-activation token (empty: none), to the instance
// listening at socketPath; false when none listens.
bool SendWakeUp(const std::filesystem::path& socketPath, const std::string& activationToken);

enum class InstanceReply {
    NoInstance,      // nobody listens at the socket
    Refused,         // the instance closed the connection without an answer, or refused
    NoAnswer,        // the instance kept the connection open without answering
    Done,
    Failed,          // taken, but it could not be done
    VersionMismatch, // the instance speaks another version of the messages
};

// Sends a request and waits up to five seconds for the instance's answer.
InstanceReply AskRunningInstance(const std::filesystem::path& socketPath,
                                 InstanceMessageType type, std::span<const uint8_t> payload);

struct InstanceAnswer {
    InstanceReply reply = InstanceReply::NoInstance;
    std::string text; // the reply's payload after its status byte
};
// The same, waiting up to limit, with what the instance said.
InstanceAnswer AskRunningInstanceFor(const std::filesystem::path& socketPath,
                                     InstanceMessageType type, std::span<const uint8_t> payload,
                                     std::chrono::milliseconds limit);

} // namespace ferrox
