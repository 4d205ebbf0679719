#include "ptSingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QThread>

namespace {

// How long a later start waits for a program that holds the lock but does
// not listen yet.
constexpr int ConnectAttempts = 20;
constexpr int ConnectInterval = 100; // ms

// The socket name follows the data directory, so programs on different data
// directories do not meet.
QString serverName(const QString &pDataDirectory)
{
    const QByteArray path = QDir(pDataDirectory).absolutePath().toUtf8();
    return QStringLiteral("pantrix-")
            + QString::fromLatin1(
                    QCryptographicHash::hash(path, QCryptographicHash::Sha256).toHex().left(32));
}

} // namespace

ptSingleInstance::ptSingleInstance(const QString &pDataDirectory, QObject *parent)
    : QObject(parent), m_serverName(serverName(pDataDirectory)), m_dataDirectory(pDataDirectory),
      m_lock(QDir(pDataDirectory).absoluteFilePath(QStringLiteral("pantrix.lock")))
{
    // Only a lock whose program has gone is stale, however old it is.
    m_lock.setStaleLockTime(0);
    connect(&m_server, &QLocalServer::newConnection, this, &ptSingleInstance::onNewConnection);
}

bool ptSingleInstance::acquire()
{
    QDir().mkpath(m_dataDirectory);
    if (!m_lock.tryLock(0)) {
        if (m_lock.error() != QLockFile::LockFailedError)
            return true;
        askRunningProgram();
        return false;
    }

    // A program that was killed leaves its socket behind.
    QLocalServer::removeServer(m_serverName);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    m_server.listen(m_serverName);
    return true;
}

// The connection itself is the request; nothing is sent.
void ptSingleInstance::askRunningProgram()
{
    QLocalSocket socket;
    for (int attempt = 0; attempt < ConnectAttempts; ++attempt) {
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(ConnectInterval)) {
            socket.disconnectFromServer();
            return;
        }
        QThread::msleep(ConnectInterval);
    }
}

void ptSingleInstance::onNewConnection()
{
    while (QLocalSocket *socket = m_server.nextPendingConnection())
        socket->deleteLater();
    emit activationRequested();
}
