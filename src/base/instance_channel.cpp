// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/instance_channel.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <tuple>
#include <unistd.h>

namespace ferrox {
namespace fs = std::filesystem;

namespace {

constexpr int kBacklog = 64;

const char* StatusText(InstanceStatus status) {
    switch (status) {
    case InstanceStatus::Refused:
        return "refused: not taken from another user";
    case InstanceStatus::TooLarge:
        return "refused: the message is larger than the window takes";
    case InstanceStatus::VersionMismatch:
        return "version mismatch: the window speaks message version 1";
    default:
        return "refused: the message is not in its type's form";
    }
}

bool FromThisUser(int fd) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::geteuid();
}

// Replies are a few bytes, far below a socket's buffer: a sender that does not read them
// loses them rather than holding the window.
void SendReply(int fd, const std::vector<uint8_t>& bytes) {
    if (!bytes.empty())
        (void)::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
}

std::vector<uint8_t> ReplyBytes(const InstanceMessage& message, const InstanceReplyText& reply) {
    if (message.framed)
        return EncodeInstanceReply(reply.status, reply.text);
    // The older form knows two reply bytes; anything else it reads as "closed unanswered".
    if (reply.status == InstanceStatus::Done || reply.status == InstanceStatus::Failed)
        return {uint8_t(reply.status)};
    return {};
}

int ReserveDescriptor() {
    return ::open("/dev/null", O_RDONLY | O_CLOEXEC);
}

} // namespace

InstanceChannel::InstanceChannel(Handler handler, Limits limits)
    : handler_(std::move(handler)), limits_(limits) {}

InstanceChannel::~InstanceChannel() {
    for (const Connection& connection : connections_)
        ::close(connection.fd);
    for (const Waiting& waiting : waiting_)
        ::close(waiting.fd);
    struct stat st {};
    if (listen_ >= 0 && ::lstat(path_.c_str(), &st) == 0 && st.st_dev == device_ &&
        st.st_ino == inode_)
        ::unlink(path_.c_str());
    closeListening();
    if (spare_ >= 0)
        ::close(spare_);
}

bool InstanceChannel::listen(const fs::path& socketPath) {
    path_ = socketPath;
    if (spare_ < 0)
        spare_ = ReserveDescriptor();
    return bindSocket();
}

void InstanceChannel::closeListening() {
    if (listen_ >= 0)
        ::close(listen_);
    listen_ = -1;
}

bool InstanceChannel::bindSocket() {
    closeListening();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string& path = path_.native();
    if (path.empty() || path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    // Only a socket is ever replaced: anything else at the path is not ours to remove.
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISSOCK(st.st_mode))
        ::unlink(path.c_str());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(path.c_str(), 0600) != 0 || ::listen(fd, kBacklog) != 0 ||
        ::lstat(path.c_str(), &st) != 0) {
        ::close(fd);
        return false;
    }
    listen_ = fd;
    device_ = st.st_dev;
    inode_ = st.st_ino;
    return true;
}

bool InstanceChannel::restoreSocket() {
    if (path_.empty())
        return false;
    struct stat st {};
    if (listen_ >= 0 && ::lstat(path_.c_str(), &st) == 0 && st.st_dev == device_ &&
        st.st_ino == inode_)
        return false;
    return bindSocket();
}

std::vector<int> InstanceChannel::connectionFds() const {
    std::vector<int> fds;
    for (const Connection& connection : connections_)
        fds.push_back(connection.fd);
    return fds;
}

void InstanceChannel::acceptPending(Clock::time_point now) {
    stalled_ = false;
    while (listen_ >= 0) {
        const int fd = ::accept4(listen_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd >= 0) {
            admit(fd, now);
            continue;
        }
        if (errno == EINTR || errno == ECONNABORTED)
            continue;
        if ((errno == EMFILE || errno == ENFILE) && shedOne())
            continue;
        // Nobody waiting, or a failure of the moment: the socket stays as it is either way.
        stalled_ = errno != EAGAIN && errno != EWOULDBLOCK;
        return;
    }
}

// With the descriptor table full a waiting sender cannot be taken, but it must not stay
// waiting (it would be reported as readable for ever): it is accepted on the reserved
// descriptor and closed at once.
bool InstanceChannel::shedOne() {
    if (spare_ < 0)
        return false;
    ::close(spare_);
    const int fd = ::accept4(listen_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd >= 0)
        ::close(fd);
    spare_ = ReserveDescriptor();
    return fd >= 0;
}

void InstanceChannel::admit(int fd, Clock::time_point now) {
    if (connections_.size() + waiting_.size() >= limits_.maxConnections) {
        ::close(fd);
        return;
    }
    connections_.push_back({fd, now + limits_.deadline, FromThisUser(fd), {}});
}

void InstanceChannel::readFrom(int fd) {
    auto it = std::find_if(connections_.begin(), connections_.end(),
                           [fd](const Connection& c) { return c.fd == fd; });
    if (it == connections_.end())
        return;
    uint8_t chunk[4096];
    for (;;) {
        const ssize_t got = ::recv(fd, chunk, sizeof chunk, 0);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;
        if (got <= 0) { // closed, or failed, before the message was whole
            ::close(fd);
            connections_.erase(it);
            return;
        }
        it->bytes.insert(it->bytes.end(), chunk, chunk + got);
        const InstanceParse parse = ParseInstanceMessage(it->bytes);
        if (parse.state != InstanceParse::State::NeedMore) {
            Connection done = std::move(*it);
            // Out of the list before the handler runs: it may run the event loop, which can
            // call in here again.
            connections_.erase(it);
            finish(std::move(done), parse);
            return;
        }
    }
}

void InstanceChannel::finish(Connection connection, const InstanceParse& parse) {
    if (parse.state == InstanceParse::State::Error) {
        SendReply(connection.fd, EncodeInstanceReply(parse.error, StatusText(parse.error)));
    } else {
        // A handler that runs the event loop may bring another message in here meanwhile.
        const auto outer = std::tuple(answering_, answeringFd_, deferred_);
        answering_ = &parse.message;
        answeringFd_ = connection.fd;
        deferred_ = false;
        const auto reply = answer(connection, parse.message);
        const bool deferred = deferred_;
        std::tie(answering_, answeringFd_, deferred_) = outer;
        if (deferred)
            return;
        if (reply)
            SendReply(connection.fd, ReplyBytes(parse.message, *reply));
    }
    ::close(connection.fd);
}

InstanceChannel::Ticket InstanceChannel::deferAnswer() {
    if (!answering_ || deferred_)
        return 0;
    deferred_ = true;
    waiting_.push_back(
        {nextTicket_, answeringFd_, answering_->framed, Clock::now() + limits_.answerDeadline});
    return nextTicket_++;
}

void InstanceChannel::answerLater(Ticket ticket, const InstanceReplyText& reply) {
    auto it = std::find_if(waiting_.begin(), waiting_.end(),
                           [ticket](const Waiting& w) { return w.ticket == ticket; });
    if (it == waiting_.end())
        return;
    InstanceMessage shape;
    shape.framed = it->framed;
    SendReply(it->fd, ReplyBytes(shape, reply));
    ::close(it->fd);
    waiting_.erase(it);
}

std::optional<InstanceReplyText> InstanceChannel::answer(const Connection& connection,
                                                         const InstanceMessage& message) {
    // The wake-up is taken from anyone who can reach the socket; anything else only from
    // this user.
    if (message.type != InstanceMessageType::Wake && !connection.sameUser)
        return InstanceReplyText{InstanceStatus::Refused, StatusText(InstanceStatus::Refused)};
    return handler_(message);
}

void InstanceChannel::expire(Clock::time_point now) {
    std::erase_if(connections_, [now](const Connection& connection) {
        if (connection.deadline > now)
            return false;
        ::close(connection.fd);
        return true;
    });
    std::erase_if(waiting_, [now](const Waiting& waiting) {
        if (waiting.deadline > now)
            return false;
        ::close(waiting.fd);
        return true;
    });
}

std::optional<InstanceChannel::Clock::time_point> InstanceChannel::nextDeadline() const {
    std::optional<Clock::time_point> next;
    for (const Connection& connection : connections_)
        if (!next || connection.deadline < *next)
            next = connection.deadline;
    for (const Waiting& waiting : waiting_)
        if (!next || waiting.deadline < *next)
            next = waiting.deadline;
    return next;
}

} // namespace ferrox
