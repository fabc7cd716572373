#include "SingleInstance.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QThread>
#include <QTimer>

namespace shrink4 {

namespace {

// A path is never longer; anything longer is not a call of ours.
constexpr qint64 kMaxCall = 64 * 1024;
// How long a later start waits for the window to take its call. The window takes it from
// its event loop, which runs even while it shows a message box.
constexpr int kAnswerWaitMs = 5000;
constexpr int kPollMs = 25;
// A call older than this was left by a start that ended before taking it back.
constexpr qint64 kStaleCallMs = 2 * kAnswerWaitMs;
// Where the folder cannot be watched (no inotify watches left), it is looked at this often.
constexpr int kFallbackPollMs = 500;

const QString kCallSuffix = QStringLiteral(".call");

// Written whole under a temporary name and renamed, so the window never reads half a call.
QString placeCall(const QString& folder, const QString& scheme)
{
    const QString path = QStringLiteral("%1/%2-%3.call")
                             .arg(folder)
                             .arg(QCoreApplication::applicationPid())
                             .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
    const QByteArray call = (scheme.isEmpty() ? QString() : QFileInfo(scheme).absoluteFilePath()).toUtf8();
    QSaveFile file(path);
    if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly) || file.write(call) != call.size() || !file.commit())
        return {};
    return path;
}

// Drops the call and waits for the window to take it; false when none took it.
bool handOver(const QString& folder, const QString& scheme)
{
    const QString call = placeCall(folder, scheme);
    if (call.isEmpty())
        return false;
    for (QDeadlineTimer deadline(kAnswerWaitMs); !deadline.hasExpired(); QThread::msleep(kPollMs))
        if (!QFileInfo::exists(call))
            return true;
    // Unanswered: take the call back, unless the window took it at this very moment.
    return !QFile::remove(call);
}

QByteArray readCall(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(kMaxCall) : QByteArray();
}

} // namespace

SingleInstance::SingleInstance(const QString& dataFolder)
    : m_lock(dataFolder + QStringLiteral("/shrink4.lock")),
      m_calls(dataFolder + QStringLiteral("/shrink4.calls"))
{
    QDir().mkpath(dataFolder);
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
    return !handOver(m_calls, scheme);
}

void SingleInstance::listen()
{
    QDir().mkpath(m_calls);
    auto* watcher = new QFileSystemWatcher(this);
    if (watcher->addPath(m_calls)) {
        connect(watcher, &QFileSystemWatcher::directoryChanged, this, &SingleInstance::takeCalls);
    } else {
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, &SingleInstance::takeCalls);
        poll->start(kFallbackPollMs);
    }
    takeCalls(); // a start that came while this one was taking the lock
}

void SingleInstance::takeCalls()
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    // No name filter: Qt matches one with a regular expression, a library loaded for that alone.
    const QFileInfoList files = QDir(m_calls).entryInfoList(QDir::Files, QDir::Time | QDir::Reversed);
    for (const QFileInfo& info : files) {
        if (!info.fileName().endsWith(kCallSuffix))
            continue;
        // Its time is read before it goes: a QFileInfo asks the file system only when asked.
        const bool stale = info.lastModified().msecsTo(now) > kStaleCallMs;
        const QByteArray call = readCall(info.filePath());
        // The start that dropped it may have taken it back a moment ago.
        if (!QFile::remove(info.filePath()) || stale)
            continue;
        const QString scheme = QString::fromUtf8(call);
        // After this handler: opening the scheme may show a message box and wait for the player.
        QTimer::singleShot(0, this, [this, scheme] { m_answer(scheme); });
    }
}

} // namespace shrink4
