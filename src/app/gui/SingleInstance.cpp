#include "SingleInstance.h"

#include "HandOver.h"

#include <QDir>
#include <QLocalServer>
#include <QTimer>

namespace shrink4 {

namespace {

// How long a later start waits for the window to take its call. The window answers from
// its event loop; one that has not answered by then is busy or stuck, and the player is asked.
constexpr int kAnswerWaitMs = 3000;

} // namespace

SingleInstance::SingleInstance(const QString& dataFolder)
    : m_lock(dataFolder + QStringLiteral("/shrink4.lock"))
{
    QDir().mkpath(dataFolder);
    m_server = handOverServerName(dataFolder);
    m_lock.setStaleLockTime(0); // held for the window's whole life; only a dead owner frees it
}

SingleInstance::Claim SingleInstance::claim(const QString& scheme)
{
    // A lock left by a window that crashed is taken over here.
    if (m_lock.tryLock(0)) {
        listen();
        return Claim::Held;
    }
    if (m_lock.error() != QLockFile::LockFailedError)
        return Claim::Unlockable;
    return handOver(m_server, scheme, kAnswerWaitMs) ? Claim::HandedOver : Claim::Unanswered;
}

void SingleInstance::listen()
{
    // Holding the lock, this is the only window on the folder: a name still there was left
    // by one that crashed.
    QLocalServer::removeServer(m_server);
    auto* server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // Unheard, later starts find the window silent and ask the player what to do.
    if (!server->listen(m_server))
        qWarning("shrink4: later starts cannot reach this window: %s", qPrintable(server->errorString()));
    connect(server, &QLocalServer::newConnection, this, [this, server] {
        while (server->hasPendingConnections())
            new IncomingCall(
                server->nextPendingConnection(),
                [this](const QString& scheme) {
                    // After this handler: opening the scheme may show a message box and wait.
                    QTimer::singleShot(0, this, [this, scheme] { m_answer(scheme); });
                },
                this);
    });
}

} // namespace shrink4
