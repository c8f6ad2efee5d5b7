// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/remote/remote_commands.h"

#include "app/remote/window_command_host.h"
#include "app/wake/wake_window.h"
#include "cli/command_table.h"
#include "cli/remote_forward.h"
#include "device/protocol/frame.h"

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

void RemoteRunner::submit(RemoteRequest request, Done done) {
    queue_.push_back({std::move(request), std::move(done)});
    if (!running_)
        startNext();
}

bool RemoteRunner::run(Job& job, RemoteAnswer& answer, std::optional<size_t>& traceAt,
                       const std::shared_ptr<TraceText>& trace) {
    const RemoteRequest& request = job.request;
    const CliCommand* command =
        WindowTakes(request.command) ? FindCommand(request.command) : nullptr;
    if (!command || !window_.host) {
        answer = {
            kExitUsage, {}, "ferroxctl: the window does not carry out " + request.command + "\n"};
        return false;
    }
    const bool changes = !OnlyReads(request);
    if (changes && window_.openDialog) {
        if (const std::string dialog = window_.openDialog(); !dialog.empty()) {
            answer = Busy(request, dialog);
            return false;
        }
    }
    if (request.trace) {
        window_.host->traceTo([trace](char direction, std::span<const uint8_t> report) {
            const std::string line = TraceLine(direction, report);
            std::lock_guard lock(trace->mutex);
            trace->text += line;
        });
    }
    answer = Run(*command, request, *window_.host);
    traceAt = window_.host->takeOutputAt();
    if (changes && window_.changed)
        window_.changed();
    return true;
}

void RemoteRunner::startNext() {
    while (!queue_.empty()) {
        Job job = std::move(queue_.front());
        queue_.pop_front();
        auto trace = std::make_shared<TraceText>();
        RemoteAnswer answer;
        std::optional<size_t> traceAt;
        if (!run(job, answer, traceAt, trace)) {
            job.done(answer);
            continue;
        }
        running_ = true;
        std::weak_ptr<int> alive = alive_;
        // Whatever the window queued for the mouse before counts too: the frames go out in turn.
        window_.host->whenSent(
            [this, alive, job = std::move(job), answer, traceAt, trace]() mutable {
                if (!alive.lock())
                    return;
                window_.host->traceTo({});
                if (traceAt) {
                    std::lock_guard lock(trace->mutex);
                    answer.out.insert(std::min(*traceAt, answer.out.size()), trace->text);
                }
                running_ = false;
                job.done(answer);
                startNext();
            });
        return;
    }
}

InstanceReplyText WindowRequest(const InstanceMessage& message, RemoteRunner& runner,
                                const std::function<RemoteRespond()>& later) {
    if (message.type != InstanceMessageType::Command) {
        if (message.type == InstanceMessageType::VirtualMouse && !runner.window().play)
            return {InstanceStatus::Refused, "refused: this window works on the real mouse"};
        return VirtualMouseRequest(message, runner.window().play);
    }
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
    runner.submit(std::move(request),
                  [respond = later()](const RemoteAnswer& answer) { respond(Answer(answer)); });
    return {InstanceStatus::Done, {}};
}

std::string OpenModalDialog() {
    const QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog)
        return {};
    const QString title = dialog->windowTitle();
    return title.isEmpty() ? std::string("a dialog") : title.toStdString();
}

} // namespace ferrox
