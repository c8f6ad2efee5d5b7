// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/remote_forward.h"

#include "base/app_globals.h"
#include "base/instance_client.h"
#include "base/instance_lock.h"
#include "cli/command_table.h"
#include "cli/window_guard.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <string_view>

namespace ferrox {
namespace fs = std::filesystem;

namespace {

constexpr std::array<std::string_view, 9> kWindowCommands{
    "set", "apply", "reset", "profile", "macro", "language", "show", "config", "status"};

// Which word of a command names a file of the user's (-1: the last word). The window runs in
// another folder, so these travel absolute.
struct FileWord {
    std::string_view command;
    std::string_view verb;
    int index;
};
constexpr FileWord kFileWords[] = {
    {"profile", "export", 2}, {"profile", "import", 2},    {"macro", "export", 2},
    {"macro", "import", 1},   {"macro", "export-set", -1}, {"macro", "import-set", 1},
};

constexpr const char* kVersionMismatch =
    "version mismatch: the running Ferrox window is of another version; restart it, or use the "
    "ferroxctl that came with it";

void MakeAbsolute(std::string& word, const fs::path& folder) {
    if (!word.empty() && fs::path(word).is_relative())
        word = (folder / word).lexically_normal().string();
}

int Fail(CliContext& context, const std::string& command, const std::string& message) {
    context.err << "ferroxctl " << command << ": " << message << "\n";
    return kExitFailure;
}

int Answered(CliContext& context, const std::string& command, const std::string& text) {
    RemoteAnswer answer;
    switch (
        DecodeRemoteAnswer({reinterpret_cast<const uint8_t*>(text.data()), text.size()}, answer)) {
    case RemoteDecode::Ok:
        context.out << answer.out << std::flush;
        context.err << answer.err;
        return answer.exitStatus;
    case RemoteDecode::OtherVersion:
        return Fail(context, command, kVersionMismatch);
    case RemoteDecode::Malformed:
        break;
    }
    return Fail(context, command, "the Ferrox window gave an answer that is not one");
}

} // namespace

bool WindowTakes(const std::string& command) {
    return std::find(kWindowCommands.begin(), kWindowCommands.end(), command) !=
           kWindowCommands.end();
}

bool OnlyReads(const RemoteRequest& request) {
    const std::string& command = request.command;
    const std::string verb = request.args.empty() ? std::string() : request.args[0];
    if (command == "show" || command == "config" || command == "status")
        return true;
    if (command == "language")
        return request.args.empty();
    if (command == "profile")
        return verb == "export";
    if (command == "macro")
        return verb == "list" || verb == "export" || verb == "export-set";
    return false;
}

RemoteRequest MakeRemoteRequest(const CliContext& context, const std::string& command,
                                const fs::path& folder) {
    RemoteRequest request{command, context.args, context.json, context.trace};
    std::vector<std::string>& args = request.args;
    for (const FileWord& word : kFileWords) {
        if (command != word.command || args.empty() || args[0] != word.verb)
            continue;
        const size_t at = word.index < 0 ? args.size() - 1 : size_t(word.index);
        if (at > 0 && at < args.size())
            MakeAbsolute(args[at], folder);
    }
    return request;
}

std::optional<int> RunInWindow(CliContext& context, const std::string& command,
                               std::chrono::milliseconds limit) {
    if (!WindowTakes(command))
        return std::nullopt;
    const std::optional<InstanceInfo> holder = ReadInstanceInfo(InstanceInfoPath());
    if (!holder || holder->holder != InstanceInfo::Holder::Window ||
        !SameFolder(holder->dataFolder, DataFolder))
        return std::nullopt;
    std::error_code ec;
    const fs::path here = fs::current_path(ec);
    const std::vector<uint8_t> payload =
        EncodeRemoteRequest(MakeRemoteRequest(context, command, here));
    if (payload.size() > kMaxInstancePayload)
        return Fail(context, command, "the command is too long to hand to the Ferrox window");
    const InstanceAnswer answer =
        AskRunningInstanceFor(InstanceSocketPath(), InstanceMessageType::Command, payload, limit);
    switch (answer.reply) {
    case InstanceReply::NoInstance:
        return std::nullopt;
    case InstanceReply::Done:
        return Answered(context, command, answer.text);
    case InstanceReply::NoAnswer:
        return Fail(context, command,
                    "the Ferrox window did not answer within " +
                        std::to_string(limit.count() / 1000) +
                        " seconds; ferroxctl changed nothing itself");
    case InstanceReply::VersionMismatch:
        return Fail(context, command, kVersionMismatch);
    case InstanceReply::Refused:
        // A window from before commands went through it refuses every request but the wake-up
        // (and the virtual mouse's) in these words.
        if (answer.text.find("takes no requests") != std::string::npos)
            return Fail(context, command, kVersionMismatch);
        break;
    case InstanceReply::Failed:
        break;
    }
    return Fail(context, command,
                "the Ferrox window refused the command" +
                    (answer.text.empty() ? std::string() : " (" + answer.text + ")"));
}

} // namespace ferrox
