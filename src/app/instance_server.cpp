#include "app/instance_server.h"

#include "app/app_messages.h"
#include "base/instance_lock.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace ferrox {

InstanceServer::InstanceServer(Handler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)), server_(new QLocalServer(this)) {
    connect(server_, &QLocalServer::newConnection, this, &InstanceServer::accept);
}

bool InstanceServer::listen(const std::filesystem::path& socketPath) {
    const QString path = QString::fromStdString(socketPath.string());
    QLocalServer::removeServer(path);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    return server_->listen(path);
}

void InstanceServer::accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        read(socket);
    }
}

void InstanceServer::read(QLocalSocket* socket) {
    if (socket->bytesAvailable() < kInstanceMessageBytes)
        return;
    const QByteArray wire = socket->read(kInstanceMessageBytes);
    auto word = [&wire](int at) {
        uint32_t value = 0;
        for (int i = 3; i >= 0; --i)
            value = (value << 8) | uint8_t(wire[at + i]);
        return value;
    };
    const unsigned message = word(0);
    if (message != kWakeInstanceMessage && requests_) {
        const bool done = requests_(message, word(4), word(8));
        socket->write(QByteArray(1, char(done ? kReplyDone : kReplyFailed)));
        socket->flush();
    }
    socket->disconnectFromServer();
    // The wake-up is taken from anyone; other requests only by a handler that was set.
    if (message == kWakeInstanceMessage)
        handler_(message);
}

} // namespace ferrox
