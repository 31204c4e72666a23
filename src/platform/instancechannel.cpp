// instancechannel.cpp - the local socket between copies of the program.
#include "platform/instancechannel.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QThread>

#include <memory>

namespace prismara {

namespace {
constexpr int kRequestLimit = 256; // bytes; a request is one short line
}

InstanceChannel::InstanceChannel(QObject* parent) : QObject(parent), server_(new QLocalServer(this))
{
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &InstanceChannel::accept);
}

InstanceChannel::~InstanceChannel() = default;

bool InstanceChannel::listen(const QString& path)
{
    if (server_->listen(path))
        return true;
    if (server_->serverError() == QAbstractSocket::AddressInUseError) {
        // Left by a copy that ended: we hold the lock, so nobody else listens there.
        QLocalServer::removeServer(path);
        if (server_->listen(path))
            return true;
    }
    error_ = server_->errorString();
    return false;
}

void InstanceChannel::accept()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > kRequestLimit)
                    socket->abort();
                return;
            }
            const QString request = QString::fromUtf8(socket->readLine(kRequestLimit)).trimmed();
            QPointer<QLocalSocket> to(socket);
            auto answered = std::make_shared<bool>(false);
            emit requested(request, [to, answered](const QString& line) {
                if (*answered || !to)
                    return;
                *answered = true;
                to->write(line.toUtf8() + '\n');
                to->disconnectFromServer();
            });
        });
    }
}

std::optional<QString> InstanceChannel::send(const QString& path, const QString& request, bool wantAnswer,
                                             QString& error, int connectMs)
{
    QLocalSocket socket;
    // The running copy may still be starting: it takes the lock before it listens.
    const QDeadlineTimer deadline(connectMs);
    for (;;) {
        socket.connectToServer(path);
        if (socket.waitForConnected(1000))
            break;
        if (deadline.hasExpired()) {
            error = QStringLiteral("the running copy of the program could not be reached at %1 (%2)")
                        .arg(path, socket.errorString());
            return std::nullopt;
        }
        socket.abort();
        QThread::msleep(100);
    }
    socket.write(request.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(5000)) {
        error = QStringLiteral("the request could not be handed to the running copy (%1)").arg(socket.errorString());
        return std::nullopt;
    }
    if (!wantAnswer) {
        socket.disconnectFromServer();
        return QString();
    }
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(-1) && !socket.canReadLine()) {
            error = QStringLiteral("the running copy ended without answering");
            return std::nullopt;
        }
    }
    return QString::fromUtf8(socket.readLine()).trimmed();
}

} // namespace prismara
