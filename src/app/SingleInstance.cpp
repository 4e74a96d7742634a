#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include "platform/qt/QtText.h"

namespace korvel {

namespace {

constexpr const char* kAnswer = "forward\n";
constexpr int kWaitMilliseconds = 3000;

// The socket of a start folder, named after a hash of the user's home and the folder's canonical
// path: in the user's runtime folder (only he may reach it), or else in the temporary folder.
QString SocketName(const std::filesystem::path& startFolder) {
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(startFolder, error);
    const QString key =
        QDir::homePath() + '\n' + qt::PathToQString(error ? startFolder : canonical);
    const QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256);
    const QString name = "korvel-" + QString::fromLatin1(hash.toHex().left(24));
    // Without XDG_RUNTIME_DIR Qt would make a folder of its own and warn about it on every start.
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) return name;
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? name : QDir(runtime).filePath(name);
}

}  // namespace

SingleInstance::SingleInstance(const std::filesystem::path& startFolder) {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = SocketName(startFolder);
    // The folder lock is ours, so a socket left by a program that ended abruptly is stale.
    QLocalServer::removeServer(name);
    server_->listen(name);
    connect(server_, &QLocalServer::newConnection, this, [this] { Answer(); });
}

void SingleInstance::Answer() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // The request is one line: the league to load, or nothing.
        connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
            if (!socket->canReadLine()) return;
            const QString league = QString::fromUtf8(socket->readLine()).trimmed();
            socket->write(kAnswer);
            socket->flush();
            if (OnRequest) OnRequest(qt::QStringToPath(league));
        });
    }
}

bool SingleInstance::AskRunning(const std::filesystem::path& startFolder,
                                const std::filesystem::path& league) {
    const QString name = SocketName(startFolder);
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
    socket.write(qt::PathToQString(league).toUtf8() + "\n");
    if (!socket.waitForBytesWritten(kWaitMilliseconds)) return false;
    while (!socket.canReadLine() && socket.waitForReadyRead(kWaitMilliseconds)) {
    }
    return socket.canReadLine() && socket.readLine() == kAnswer;
}

}  // namespace korvel
