#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>

#include <exception>

#include "platform/PrivateSockets.h"
#include "platform/qt/QtText.h"

namespace korvel {

namespace {

constexpr const char* kAnswer = "forward\n";
constexpr int kWaitMilliseconds = 3000;

}  // namespace

QString SingleInstance::SocketName(const std::filesystem::path& startFolder) {
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(startFolder, error);
    const QString key =
        QDir::homePath() + '\n' + qt::PathToQString(error ? startFolder : canonical);
    const QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256);
    const QString name = "korvel-" + QString::fromLatin1(hash.toHex().left(24));
    const std::filesystem::path folder = system::PrivateSocketFolder();
    return folder.empty() ? name : QDir(qt::PathToQString(folder)).filePath(name);
}

SingleInstance::SingleInstance(const std::filesystem::path& startFolder) {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QString name;
    try {
        name = SocketName(startFolder);
    } catch (const std::exception& failure) {
        failure_ = failure.what();
        return;
    }
    // The folder lock is ours, so a socket left by a program that ended abruptly is stale.
    QLocalServer::removeServer(name);
    if (!server_->listen(name)) {
        failure_ = qt::ToUtf8(name + ": " + server_->errorString());
        return;
    }
    connect(server_, &QLocalServer::newConnection, this, [this] { Answer(); });
}

bool SingleInstance::Listening() const {
    return server_->isListening();
}

void SingleInstance::Answer() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!system::PeerIsThisUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        // Qt stops reading from the system once this much waits unread: a peer that never ends
        // its line cannot fill the memory.
        socket->setReadBufferSize(kMaxRequestBytes);
        auto* deadline = new QTimer(socket);
        deadline->setSingleShot(true);
        connect(deadline, &QTimer::timeout, socket, &QLocalSocket::abort);
        deadline->start(kRequestMilliseconds);
        connect(socket, &QLocalSocket::readyRead, socket, [this, socket] { Read(*socket); });
        if (socket->bytesAvailable() > 0) Read(*socket);
    }
}

// The request is one line: the league to load, or nothing.
void SingleInstance::Read(QLocalSocket& socket) {
    if (!socket.canReadLine()) {
        if (socket.bytesAvailable() >= kMaxRequestBytes) {
            socket.abort();
            socket.deleteLater();
        }
        return;
    }
    const QString league = QString::fromUtf8(socket.readLine(kMaxRequestBytes)).trimmed();
    socket.write(kAnswer);
    socket.flush();
    socket.disconnectFromServer();
    if (OnRequest) OnRequest(qt::QStringToPath(league));
}

bool SingleInstance::AskRunning(const std::filesystem::path& startFolder,
                                const std::filesystem::path& league) {
    QString name;
    try {
        name = SocketName(startFolder);
    } catch (const std::exception&) {
        return false;  // no safe place to meet: the caller says the folder is in use
    }
    QLocalSocket socket;
    // The program holding the folder may be a moment away from listening.
    QElapsedTimer waited;
    waited.start();
    socket.connectToServer(name);
    while (!socket.waitForConnected(200) && waited.elapsed() < kWaitMilliseconds / 3) {
        QThread::msleep(100);
        socket.connectToServer(name);
    }
    if (socket.state() != QLocalSocket::ConnectedState) return false;
    // The league's path goes only to a program of this user.
    if (!system::PeerIsThisUser(socket.socketDescriptor())) return false;
    const QByteArray request = qt::PathToQString(league).toUtf8() + "\n";
    if (request.size() > kMaxRequestBytes) return false;
    socket.write(request);
    if (!socket.waitForBytesWritten(kWaitMilliseconds)) return false;
    while (!socket.canReadLine() && socket.waitForReadyRead(kWaitMilliseconds)) {
    }
    return socket.canReadLine() && socket.readLine() == kAnswer;
}

}  // namespace korvel
