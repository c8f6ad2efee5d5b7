// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/instance_client.h"

#include <chrono>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace ferrox {
namespace fs = std::filesystem;

namespace {

// Connects and sends the whole message; the open socket, or -1 when nobody listens.
int Send(const fs::path& socketPath, const std::vector<uint8_t>& message) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string& path = socketPath.native();
    if (path.size() >= sizeof address.sun_path)
        return -1;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::send(fd, message.data(), message.size(), MSG_NOSIGNAL) != ssize_t(message.size())) {
        ::close(fd);
        return -1;
    }
    return fd;
}

struct Received {
    std::vector<uint8_t> bytes;
    bool closed = false; // false: the time was up first
};

// Everything the instance sends until it closes the connection, a whole reply has come, or the
// time is up.
Received ReadReply(int fd, std::chrono::milliseconds limit) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point end = Clock::now() + limit;
    Received got;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
        pollfd pfd{fd, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&pfd, 1, int(left.count())) <= 0)
            return got;
        uint8_t chunk[512];
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n <= 0) {
            got.closed = true;
            return got;
        }
        got.bytes.insert(got.bytes.end(), chunk, chunk + n);
        if (ParseInstanceReply(got.bytes) ||
            got.bytes.size() >= kInstanceHeaderBytes + kMaxInstancePayload)
            return got;
    }
}

InstanceReply ReplyOf(const Received& got) {
    if (const std::optional<InstanceReplyText> reply = ParseInstanceReply(got.bytes)) {
        switch (reply->status) {
        case InstanceStatus::Done:
            return InstanceReply::Done;
        case InstanceStatus::Refused:
            return InstanceReply::Refused;
        case InstanceStatus::Unsupported:
        case InstanceStatus::VersionMismatch:
            return InstanceReply::VersionMismatch;
        default:
            return InstanceReply::Failed;
        }
    }
    if (got.bytes.empty())
        return got.closed ? InstanceReply::Refused : InstanceReply::NoAnswer;
    // A lone status byte is how a window from before the framed messages answers: it read
    // this request as one of its own and could not take it.
    return InstanceReply::VersionMismatch;
}

} // namespace

bool SendWakeUp(const fs::path& socketPath, const std::string& activationToken) {
    const std::vector<uint8_t> token(activationToken.begin(), activationToken.end());
    const int fd = Send(socketPath, EncodeInstanceMessage(InstanceMessageType::Wake, token));
    if (fd < 0)
        return false;
    // Wait for the first instance to take it (it closes the connection) so that a caller that
    // ends at once does not race the delivery.
    ReadReply(fd, std::chrono::seconds(1));
    ::close(fd);
    return true;
}

InstanceReply AskRunningInstance(const fs::path& socketPath, InstanceMessageType type,
                                 std::span<const uint8_t> payload) {
    // A window that is still starting takes requests once its event loop runs.
    return AskRunningInstanceFor(socketPath, type, payload, std::chrono::seconds(5)).reply;
}

InstanceAnswer AskRunningInstanceFor(const fs::path& socketPath, InstanceMessageType type,
                                     std::span<const uint8_t> payload,
                                     std::chrono::milliseconds limit) {
    const int fd = Send(socketPath, EncodeInstanceMessage(type, payload));
    if (fd < 0)
        return {};
    const Received got = ReadReply(fd, limit);
    ::close(fd);
    const std::optional<InstanceReplyText> reply = ParseInstanceReply(got.bytes);
    return {ReplyOf(got), reply ? reply->text : std::string()};
}

} // namespace ferrox
