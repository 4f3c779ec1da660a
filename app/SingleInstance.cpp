#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>

namespace {

constexpr int HandOverMilliseconds = 2000;
const QByteArray ComeForward = QByteArrayLiteral("come-forward\n");

} // namespace

SingleInstance::SingleInstance(const QString &dataDirectory, QObject *parent)
    : QObject(parent), m_key(keyFor(dataDirectory)) {
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains(ComeForward.trimmed()))
                    emit activationRequested();
            });
        }
    });
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::keyFor(const QString &dataDirectory) {
    const QFileInfo info(dataDirectory);
    const QString path =
        info.exists() ? info.canonicalFilePath() : QDir::cleanPath(info.absoluteFilePath());
    const QByteArray hash =
        QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(20);
    return QStringLiteral("pacelog-") + QString::fromLatin1(hash);
}

bool SingleInstance::claim() {
    // The lock lives beside the socket, outside the data folder, which keeps only the store
    // and the settings.
    m_lock = std::make_unique<QLockFile>(QDir(QDir::tempPath()).filePath(m_key + QStringLiteral(".lock")));
    // Never stale by age: only a lock whose process is gone is taken over.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        listen();
        return true;
    }
    if (m_lock->error() != QLockFile::LockFailedError) {
        // The temporary folder cannot hold a lock: better two windows than none.
        qWarning().noquote() << "Pacelog could not take its data folder's lock in"
                             << QDir::tempPath();
        return true;
    }
    askRunningToComeForward();
    return false;
}

void SingleInstance::listen() {
    // A socket file left by a Pacelog that was killed is ours to replace: we hold the lock.
    QLocalServer::removeServer(m_key);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server.listen(m_key))
        qWarning().noquote() << "Pacelog cannot listen for later starts:" << m_server.errorString();
}

void SingleInstance::askRunningToComeForward() {
    QLocalSocket socket;
    socket.connectToServer(m_key);
    if (!socket.waitForConnected(HandOverMilliseconds))
        return;
    socket.write(ComeForward);
    socket.waitForBytesWritten(HandOverMilliseconds);
    socket.disconnectFromServer();
}
