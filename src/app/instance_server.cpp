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
    unsigned message = 0;
    for (int i = 3; i >= 0; --i)
        message = (message << 8) | uint8_t(wire[i]);
    socket->disconnectFromServer();
    // Only the wake-up is taken from outside; anything else on the socket is dropped.
    if (message == kWakeInstanceMessage)
        handler_(message);
}

} // namespace ferrox
