// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/instance_server.h"

#include <QFileSystemWatcher>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>

namespace ferrox {

namespace {

using Clock = InstanceChannel::Clock;

// How long the listening socket is left alone after an accept failed for want of resources.
constexpr int kRetryMs = 200;

// This may run inside the notifier's own signal: it goes once that has returned, and watches
// nothing meanwhile (its descriptor is closed, or already someone else's).
void Retire(QSocketNotifier* notifier) {
    if (!notifier)
        return;
    notifier->setEnabled(false);
    notifier->deleteLater();
}

InstanceReplyText Answer(InstanceStatus status, const char* text) {
    return {status, text};
}

} // namespace

InstanceServer::InstanceServer(WakeHandler wake, QObject* parent, InstanceChannel::Limits limits)
    : QObject(parent), wake_(std::move(wake)),
      channel_([this](const InstanceMessage& message) { return take(message); }, limits),
      deadline_(new QTimer(this)), retry_(new QTimer(this)),
      watcher_(new QFileSystemWatcher(this)) {
    deadline_->setSingleShot(true);
    retry_->setSingleShot(true);
    retry_->setInterval(kRetryMs);
    connect(deadline_, &QTimer::timeout, this, &InstanceServer::expire);
    connect(retry_, &QTimer::timeout, this, &InstanceServer::accept);
    // A removed socket file (a cleaner of old files, a user's rm) is put back at once.
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, &InstanceServer::restore);
}

InstanceServer::~InstanceServer() = default;

bool InstanceServer::listen(const std::filesystem::path& socketPath) {
    path_ = QString::fromStdString(socketPath.string());
    const bool listening = channel_.listen(socketPath);
    follow();
    return listening;
}

std::optional<InstanceReplyText> InstanceServer::take(const InstanceMessage& message) {
    if (message.type == InstanceMessageType::Wake) {
        const std::optional<std::string> token = WakeToken(message);
        if (!token)
            return Answer(InstanceStatus::Malformed, "refused: the activation token is not one");
        wake_(*token);
        return std::nullopt; // a second start waits for the connection to close
    }
    if (!requests_)
        return Answer(InstanceStatus::Refused, "refused: this window takes no requests");
    return requests_(message);
}

InstanceServer::Respond InstanceServer::answerLater() {
    const InstanceChannel::Ticket ticket = channel_.deferAnswer();
    follow();
    QPointer<InstanceServer> self(this);
    return [self, ticket](const InstanceReplyText& reply) {
        if (!self || ticket == 0)
            return;
        self->channel_.answerLater(ticket, reply);
        self->follow();
    };
}

void InstanceServer::accept() {
    channel_.acceptPending(Clock::now());
    // Whatever made accept fail may also have taken the socket file.
    if (channel_.acceptStalled())
        restore();
    else
        follow();
}

void InstanceServer::read(int fd) {
    channel_.readFrom(fd);
    follow();
}

void InstanceServer::expire() {
    channel_.expire(Clock::now());
    follow();
}

void InstanceServer::restore() {
    // The watch may still be on the removed file's inode, which the listening socket kept.
    if (channel_.restoreSocket())
        watcher_->removePath(path_);
    follow();
}

void InstanceServer::follow() {
    const int fd = channel_.listenFd();
    if (!listening_ || listening_->socket() != fd) {
        Retire(listening_);
        listening_ = nullptr;
        if (fd >= 0) {
            listening_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
            connect(listening_, &QSocketNotifier::activated, this, &InstanceServer::accept);
        }
    }
    if (listening_) {
        listening_->setEnabled(!channel_.acceptStalled());
        if (channel_.acceptStalled())
            retry_->start();
    }
    if (fd >= 0 && !path_.isEmpty() && !watcher_->files().contains(path_))
        watcher_->addPath(path_);
    followConnections();
    if (const std::optional<Clock::time_point> next = channel_.nextDeadline()) {
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*next - Clock::now());
        deadline_->start(int(std::max<int64_t>(wait.count(), 0)));
    } else {
        deadline_->stop();
    }
}

void InstanceServer::followConnections() {
    const std::vector<int> open = channel_.connectionFds();
    for (auto it = connections_.begin(); it != connections_.end();) {
        if (std::find(open.begin(), open.end(), it->first) != open.end()) {
            ++it;
            continue;
        }
        Retire(it->second);
        it = connections_.erase(it);
    }
    for (int fd : open) {
        if (connections_.count(fd))
            continue;
        auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this, fd] { read(fd); });
        connections_.emplace(fd, notifier);
    }
}

} // namespace ferrox
