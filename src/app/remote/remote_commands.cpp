// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/remote/remote_commands.h"

#include "app/wake/wake_window.h"
#include "cli/command_table.h"
#include "cli/remote_forward.h"

#include <QApplication>
#include <QWidget>

#include <sstream>

namespace ferrox {

namespace {

InstanceReplyText Answer(const RemoteAnswer& answer) {
    // One byte of the reply's payload is its status.
    const std::vector<uint8_t> bytes = EncodeRemoteAnswer(answer, kMaxInstancePayload - 1);
    return {InstanceStatus::Done, std::string(bytes.begin(), bytes.end())};
}

RemoteAnswer Busy(const RemoteRequest& request, const std::string& dialog) {
    return {kExitBusy,
            {},
            "ferroxctl " + request.command + ": the Ferrox window has a dialog open (" + dialog +
                "); close it, then try again. Nothing was changed.\n"};
}

RemoteAnswer Run(const CliCommand& command, const RemoteRequest& request, CommandHost& host) {
    std::ostringstream out;
    std::ostringstream err;
    CliContext context(out, err);
    context.args = request.args;
    context.json = request.json;
    context.trace = request.trace;
    context.host = &host;
    const int status = command.run(context);
    return {status, out.str(), err.str()};
}

} // namespace

RemoteAnswer CarryOut(const RemoteRequest& request, const RemoteWindow& window) {
    const CliCommand* command =
        WindowTakes(request.command) ? FindCommand(request.command) : nullptr;
    if (!command || !window.host)
        return {
            kExitUsage, {}, "ferroxctl: the window does not carry out " + request.command + "\n"};
    const bool changes = !OnlyReads(request);
    if (changes && window.openDialog) {
        if (const std::string dialog = window.openDialog(); !dialog.empty())
            return Busy(request, dialog);
    }
    RemoteAnswer answer = Run(*command, request, *window.host);
    if (changes && window.changed)
        window.changed();
    return answer;
}

InstanceReplyText RunRemoteCommand(const InstanceMessage& message, const RemoteWindow& window) {
    RemoteRequest request;
    switch (DecodeRemoteRequest(message.payload, request)) {
    case RemoteDecode::Ok:
        break;
    case RemoteDecode::OtherVersion:
        return {InstanceStatus::VersionMismatch,
                "version mismatch: the window takes ferroxctl commands of format version " +
                    std::to_string(kRemoteFormatVersion)};
    case RemoteDecode::Malformed:
        return {InstanceStatus::Malformed, "refused: the request is not a ferroxctl command"};
    }
    return Answer(CarryOut(request, window));
}

InstanceReplyText WindowRequest(const InstanceMessage& message, const RemoteWindow& window) {
    if (message.type == InstanceMessageType::Command)
        return RunRemoteCommand(message, window);
    if (message.type == InstanceMessageType::VirtualMouse && !window.play)
        return {InstanceStatus::Refused, "refused: this window works on the real mouse"};
    return VirtualMouseRequest(message, window.play);
}

std::string OpenModalDialog() {
    const QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog)
        return {};
    const QString title = dialog->windowTitle();
    return title.isEmpty() ? std::string("a dialog") : title.toStdString();
}

} // namespace ferrox
