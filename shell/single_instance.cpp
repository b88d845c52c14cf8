// SPDX-License-Identifier: MIT
#include "shell/single_instance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

constexpr int kAnswerTimeoutMs = 2000;
constexpr const char* kRequest = "raise\n";
constexpr const char* kAnswer = "raised\n";

// The per-user runtime folder keeps one user's channel apart from another's.
QString ChannelPath(const QString& title) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? title : QDir(folder).filePath(title);
}

}  // namespace

SingleInstance::SingleInstance(const QString& applicationTitle) : name_(ChannelPath(applicationTitle)) {}

bool SingleInstance::ActivatePreviousInstance() {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kAnswerTimeoutMs)) return false;
    socket.write(kRequest);
    if (!socket.waitForBytesWritten(kAnswerTimeoutMs)) return false;
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(kAnswerTimeoutMs)) return false;
    return socket.readLine() == kAnswer;
}

bool SingleInstance::Listen(std::function<void()> bringForward) {
    bringForward_ = std::move(bringForward);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(name_)) {
        if (server_.serverError() != QAbstractSocket::AddressInUseError) return false;
        // The name is taken: by a copy that started a moment ago, or by one that is gone.
        QLocalSocket probe;
        probe.connectToServer(name_);
        if (probe.waitForConnected(kAnswerTimeoutMs)) return false;
        QLocalServer::removeServer(name_);
        if (!server_.listen(name_)) return false;
    }
    QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
                if (!socket->canReadLine()) return;
                if (socket->readLine() != kRequest) {
                    socket->disconnectFromServer();
                    return;
                }
                bringForward_();
                socket->write(kAnswer);
                socket->flush();
            });
        }
    });
    return true;
}
