#pragma once
// The call a later start makes on the window that holds the data folder, over a local
// socket (a named pipe on Windows) whose name the folder gives.
//
// The caller sends its scheme as a length-prefixed UTF-8 path; the window answers that it
// has it, and only then does the caller confirm, which the window acknowledges once it has
// queued the scheme. A caller that gave up before the answer (the window was busy, the
// player chose otherwise) has closed its end by the time the window reads it, so a late
// window never opens a scheme nobody is waiting on.

#include <QObject>
#include <QString>

#include <functional>

class QLocalSocket;
class QTimer;

namespace shrink4 {

// The server name of the data folder: two folders never share one, and on Linux it lies in
// the user's own runtime folder, where no other user can take it first.
QString handOverServerName(const QString& dataFolder);

// Hands scheme (a path, or empty for none) to the window listening on server; true once it
// took it. Blocks for at most milliseconds: it runs before this start has a window.
bool handOver(const QString& server, const QString& scheme, int milliseconds);

// One call received by the window. Reads no more than a call can hold, never blocks, and
// goes (closing the connection) when the call is done, broken or too slow. taken must not
// wait for the player: it runs while the caller waits.
class IncomingCall : public QObject {
public:
    IncomingCall(QLocalSocket* socket, std::function<void(const QString&)> taken, QObject* parent);

private:
    void read();
    bool readScheme();
    void finish();

    QLocalSocket* m_socket;
    std::function<void(const QString&)> m_taken;
    QString m_scheme;
    bool m_answered = false;
};

} // namespace shrink4
