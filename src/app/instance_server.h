// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The first instance's end of its local socket, on the user-interface thread's event loop:
// the wake-up of a second start becomes a call of the wake handler, anything else a request
// for the request handler. The channel underneath keeps the socket usable whatever a sender
// does; this class only watches its descriptors, its deadlines and its socket file.

#include "base/instance_channel.h"

#include <QObject>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>

class QFileSystemWatcher;
class QSocketNotifier;
class QTimer;

namespace ferrox {

class InstanceServer : public QObject {
public:
    // token: the second start's xdg-activation token, empty when it had none.
    using WakeHandler = std::function<void(const std::string& token)>;
    // A request other than the wake-up, from this user; its answer goes back to the sender.
    using RequestHandler = std::function<InstanceReplyText(const InstanceMessage&)>;

    explicit InstanceServer(WakeHandler wake, QObject* parent = nullptr,
                            InstanceChannel::Limits limits = {});
    ~InstanceServer() override;

    // Call only while holding the instance lock: a socket file left by a crashed run is
    // replaced. False when the socket cannot be made (the program runs on without it).
    bool listen(const std::filesystem::path& socketPath);
    // Without one, every request but the wake-up is refused.
    void setRequestHandler(RequestHandler handler) { requests_ = std::move(handler); }

    // Called from inside the request handler: the request is answered later, by calling the
    // function returned (once, on this thread), and what the handler returns is not sent. The
    // connection stays open meanwhile; the event loop runs on.
    using Respond = std::function<void(const InstanceReplyText&)>;
    Respond answerLater();

private:
    std::optional<InstanceReplyText> take(const InstanceMessage& message);
    void accept();
    void read(int fd);
    void expire();
    void restore();
    // Brings the notifiers, the deadline timer and the file watch in line with the channel.
    void follow();
    void followConnections();

    WakeHandler wake_;
    RequestHandler requests_;
    InstanceChannel channel_;
    QString path_;
    QSocketNotifier* listening_ = nullptr;
    std::map<int, QSocketNotifier*> connections_;
    QTimer* deadline_;
    QTimer* retry_;
    QFileSystemWatcher* watcher_;
};

} // namespace ferrox
