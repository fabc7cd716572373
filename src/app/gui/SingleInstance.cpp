#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace shrink4 {

namespace {

// A path and the NUL that ends it: no path is longer, and none contains a NUL.
constexpr qint64 kMaxMessage = 64 * 1024;
// The window holding the lock listens a moment after taking it; a start in between waits.
constexpr int kConnectAttempts = 20;
constexpr int kAttemptPauseMs = 100;
constexpr int kWaitMs = 2000;

// In the user's own runtime folder, which no other user may enter, so that no one else can
// answer in the window's place; the data folder's hash tells homes apart.
QString serverName(const QString& dataFolder)
{
#ifdef Q_OS_WIN
    // Pipe names are machine-wide; the server admits its own user only (UserAccessOption).
    const QByteArray key = qEnvironmentVariable("USERNAME").toUtf8() + '\n' + dataFolder.toUtf8();
    return QStringLiteral("shrink4-")
           + QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(16));
#else
    const QByteArray key = QByteArray::number(::getuid()) + '\n' + dataFolder.toUtf8();
    const QString name =
        QStringLiteral("shrink4-")
        + QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(16));
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? name : runtime + QLatin1Char('/') + name;
#endif
}

// Sends the scheme to the window listening at name; false when none could be reached.
bool handOver(const QString& name, const QString& scheme)
{
    const QByteArray message = (scheme.isEmpty() ? QString() : QFileInfo(scheme).absoluteFilePath()).toUtf8() + '\0';
    QLocalSocket socket;
    for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
        socket.connectToServer(name);
        if (socket.waitForConnected(kWaitMs)) {
            if (socket.write(message) != message.size() || !socket.waitForBytesWritten(kWaitMs))
                return false;
            socket.waitForDisconnected(kWaitMs); // the window read it; a busy one reads it later
            return true;
        }
        QThread::msleep(kAttemptPauseMs);
    }
    return false;
}

} // namespace

SingleInstance::SingleInstance(const QString& dataFolder)
    : m_lock(dataFolder + QStringLiteral("/shrink4.lock"))
{
    QDir().mkpath(dataFolder);
    m_serverName = serverName(QFileInfo(dataFolder).canonicalFilePath());
    m_lock.setStaleLockTime(0); // held for the window's whole life; only a dead owner frees it
}

bool SingleInstance::claim(const QString& scheme)
{
    // A lock left by a window that crashed is taken over here.
    if (m_lock.tryLock(0)) {
        listen();
        return true;
    }
    if (m_lock.error() != QLockFile::LockFailedError)
        return true; // a folder that cannot be locked guards nothing
    return !handOver(m_serverName, scheme);
}

void SingleInstance::listen()
{
    auto* server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // Holding the lock, any server by this name is one a crashed window left behind.
    QLocalServer::removeServer(m_serverName);
    if (!server->listen(m_serverName))
        return;
    connect(server, &QLocalServer::newConnection, this, [this, server] {
        while (QLocalSocket* caller = server->nextPendingConnection()) {
            connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
            connect(caller, &QLocalSocket::readyRead, this, [this, caller] { answer(caller); });
        }
    });
}

void SingleInstance::answer(QLocalSocket* caller)
{
    const QByteArray waiting = caller->peek(kMaxMessage);
    const qsizetype end = waiting.indexOf('\0');
    if (end < 0) {
        if (waiting.size() >= kMaxMessage) {
            caller->abort(); // not a start of ours
            caller->deleteLater();
        }
        return;
    }
    const QString scheme = QString::fromUtf8(caller->read(end + 1).chopped(1));
    caller->disconnectFromServer();
    // After this handler: opening the scheme may show a message box and wait for the player.
    QTimer::singleShot(0, this, [this, scheme] { m_answer(scheme); });
}

} // namespace shrink4
