#include "HandOver.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QtEndian>

namespace shrink4 {

namespace {

using Size = quint32;
// A path is never longer; anything longer is not a call of ours.
constexpr Size kMaxScheme = 64 * 1024;
// A connection that has not finished its call by then is dropped.
constexpr int kCallLifeMs = 10000;
// Between tries to reach a window that is taking the folder at this moment.
constexpr int kRetryMs = 50;
// The window has the scheme; the caller still waits for it; the window takes it over.
const QByteArray kHave = QByteArrayLiteral("H");
const QByteArray kGo = QByteArrayLiteral("G");
const QByteArray kTaken = QByteArrayLiteral("T");

int remainingMs(const QDeadlineTimer& deadline)
{
    return int(qMax<qint64>(0, deadline.remainingTime()));
}

bool connectBefore(QLocalSocket& socket, const QString& server, const QDeadlineTimer& deadline)
{
    for (;;) {
        socket.connectToServer(server);
        if (socket.waitForConnected(remainingMs(deadline)))
            return true;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(kRetryMs);
    }
}

bool send(QLocalSocket& socket, const QByteArray& bytes, const QDeadlineTimer& deadline)
{
    if (socket.write(bytes) != bytes.size())
        return false;
    while (socket.bytesToWrite() > 0)
        if (!socket.waitForBytesWritten(remainingMs(deadline)))
            return false;
    return true;
}

QByteArray framed(const QString& scheme)
{
    const QByteArray path = scheme.toUtf8();
    QByteArray frame(sizeof(Size), '\0');
    qToBigEndian<Size>(Size(path.size()), frame.data());
    return frame + path;
}

bool answered(QLocalSocket& socket, const QByteArray& answer, const QDeadlineTimer& deadline)
{
    while (socket.bytesAvailable() < answer.size())
        if (!socket.waitForReadyRead(remainingMs(deadline)))
            return false;
    return socket.read(answer.size()) == answer;
}

} // namespace

QString handOverServerName(const QString& dataFolder)
{
    const QFileInfo folder(dataFolder);
    QString path = folder.canonicalFilePath().isEmpty() ? folder.absoluteFilePath() : folder.canonicalFilePath();
#ifdef Q_OS_WIN
    path = path.toLower(); // one folder, however its name is spelt
    const QString place;   // the pipes' own namespace, separate for each session
#else
    const QString place = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QLatin1Char('/');
#endif
    const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    return place + QStringLiteral("shrink4-") + QLatin1String(hash);
}

bool handOver(const QString& server, const QString& scheme, int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    QLocalSocket socket;
    if (scheme.toUtf8().size() > qsizetype(kMaxScheme) || !connectBefore(socket, server, deadline)
        || !send(socket, framed(scheme), deadline) || !answered(socket, kHave, deadline))
        return false;
    // Past its answer the window is alive and reading: the confirmation reaches it, and its
    // word that it took the scheme over follows at once. Ending before that word, this start
    // could let whatever comes next (a logout closing the window) overtake the scheme.
    const QDeadlineTimer rest(milliseconds);
    if (!send(socket, kGo, rest))
        return false;
    answered(socket, kTaken, rest);
    socket.disconnectFromServer();
    return true;
}

IncomingCall::IncomingCall(QLocalSocket* socket, std::function<void(const QString&)> taken, QObject* parent)
    : QObject(parent),
      m_socket(socket),
      m_taken(std::move(taken))
{
    socket->setParent(this);
    // Qt stops reading from the connection once this much waits unread.
    socket->setReadBufferSize(sizeof(Size) + kMaxScheme + kGo.size());
    connect(socket, &QLocalSocket::readyRead, this, &IncomingCall::read);
    connect(socket, &QLocalSocket::disconnected, this, &QObject::deleteLater);
    QTimer::singleShot(kCallLifeMs, this, &QObject::deleteLater);
    read(); // what came before the connection was handed over
}

void IncomingCall::read()
{
    if (!m_answered && !readScheme())
        return;
    if (m_socket->bytesAvailable() < kGo.size())
        return;
    if (m_socket->read(kGo.size()) == kGo) {
        m_taken(m_scheme); // first: it then comes before anything the caller, told, sets off
        m_socket->write(kTaken);
        m_socket->flush();
    }
    finish();
}

// Whatever else the caller sends is not read: one call, one scheme.
void IncomingCall::finish()
{
    m_socket->disconnect(this);
    deleteLater();
}

// True once the whole scheme is read and answered.
bool IncomingCall::readScheme()
{
    if (m_socket->bytesAvailable() < qint64(sizeof(Size)))
        return false;
    const Size size = qFromBigEndian<Size>(m_socket->peek(sizeof(Size)).constData());
    if (size > kMaxScheme) {
        finish();
        return false;
    }
    if (m_socket->bytesAvailable() < qint64(sizeof(Size) + size))
        return false;
    m_socket->skip(sizeof(Size));
    m_scheme = QString::fromUtf8(m_socket->read(size));
    m_answered = true;
    m_socket->write(kHave);
    return true;
}

} // namespace shrink4
