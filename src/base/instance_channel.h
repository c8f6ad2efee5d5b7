// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The running instance's end of its local socket, without an event loop of its own: the owner
// calls in when the listening descriptor or a connection is readable and when the next
// deadline is due, passing the time, so tests can drive every deadline without waiting.
//
// Whatever a sender does, the socket stays usable: each connection has a deadline for its
// whole message, the number of open connections is capped (the rest are closed at once), an
// accept that fails for want of descriptors never takes the socket down, and a socket file
// that was removed from under it can be put back. Plain POSIX, no Qt.

#include "base/instance_message.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <sys/types.h>
#include <vector>

namespace ferrox {

struct InstanceChannelLimits {
    std::chrono::steady_clock::duration deadline = std::chrono::seconds(2); // for a whole message
    size_t maxConnections = 32;
    // For an answer given later: the sender waits 30 s; past this nobody is listening.
    std::chrono::steady_clock::duration answerDeadline = std::chrono::seconds(40);
};

class InstanceChannel {
public:
    using Clock = std::chrono::steady_clock;
    using Limits = InstanceChannelLimits;
    // The answer to a whole message; nullopt closes the connection without one. A message
    // other than the wake-up reaches the handler only from this process's own user.
    using Handler = std::function<std::optional<InstanceReplyText>(const InstanceMessage&)>;
    explicit InstanceChannel(Handler handler, Limits limits = {});
    InstanceChannel(const InstanceChannel&) = delete;
    InstanceChannel& operator=(const InstanceChannel&) = delete;
    // Closes everything and removes the socket file if it is still this channel's.
    ~InstanceChannel();

    // Call only while holding the instance lock: a socket left by a crashed run is replaced.
    [[nodiscard]] bool listen(const std::filesystem::path& socketPath);
    // The listening descriptor (-1 when there is none); it changes when the socket is put back.
    int listenFd() const { return listen_; }
    std::vector<int> connectionFds() const;

    void acceptPending(Clock::time_point now);
    // True after an accept failed for a reason other than "nobody waiting": the owner should
    // stop watching the listening descriptor for a moment, then call acceptPending again.
    bool acceptStalled() const { return stalled_; }
    void readFrom(int fd);
    // From inside the handler: the message is answered later with answerLater(ticket, ...),
    // the connection staying open (and counted) until then or its answer deadline; what the
    // handler returns is not sent.
    using Ticket = uint64_t;
    Ticket deferAnswer();
    // The deferred answer; nothing when the connection is gone (expired).
    void answerLater(Ticket ticket, const InstanceReplyText& reply);
    // Drops every connection whose deadline has passed.
    void expire(Clock::time_point now);
    std::optional<Clock::time_point> nextDeadline() const;
    // Puts the socket file back when it is gone or is no longer this channel's; true when it
    // did (listenFd() changed).
    bool restoreSocket();

private:
    struct Connection {
        int fd;
        Clock::time_point deadline;
        bool sameUser;
        std::vector<uint8_t> bytes;
    };

    struct Waiting {
        Ticket ticket;
        int fd;
        bool framed;
        Clock::time_point deadline;
    };

    bool bindSocket();
    void closeListening();
    bool shedOne();
    void admit(int fd, Clock::time_point now);
    void finish(Connection connection, const InstanceParse& parse);
    std::optional<InstanceReplyText> answer(const Connection& connection,
                                            const InstanceMessage& message);

    Handler handler_;
    Limits limits_;
    std::filesystem::path path_;
    int listen_ = -1;
    dev_t device_ = 0;
    ino_t inode_ = 0;
    int spare_ = -1; // held back so that a full descriptor table can still turn a sender away
    bool stalled_ = false;
    std::vector<Connection> connections_;
    std::vector<Waiting> waiting_;               // answered later; not read from any more
    const InstanceMessage* answering_ = nullptr; // the message the handler has
    int answeringFd_ = -1;
    bool deferred_ = false;
    Ticket nextTicket_ = 1;
};

} // namespace ferrox
