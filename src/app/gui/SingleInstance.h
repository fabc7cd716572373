#pragma once
// One window per home. A second window on the same data folder would overwrite the first
// one's session when it closed; instead a later start asks the window already open there
// to come forward, hands it the scheme it was given, and ends.
//
// The call is a small file dropped into a folder beside the lock, which the window watches:
// Qt Core alone, no socket library loaded at every start for a call that comes seldom.

#include <QLockFile>
#include <QObject>
#include <QString>

#include <functional>

namespace shrink4 {

class SingleInstance : public QObject {
public:
    // dataFolder: where the session is kept; the lock and the calls go beside it.
    explicit SingleInstance(const QString& dataFolder);

    // True when this start goes on to open its window: it holds the folder from now on, or
    // the folder cannot be locked, or the window holding it did not answer. False once that
    // window took the start over, with scheme (a path, or empty for none).
    bool claim(const QString& scheme);

    // What the window does when a later start hands it a scheme (empty: none).
    void onCalled(std::function<void(const QString& scheme)> answer) { m_answer = std::move(answer); }

private:
    void listen();
    void takeCalls();

    QLockFile m_lock;
    QString m_calls; // the folder later starts drop their calls into
    std::function<void(const QString&)> m_answer = [](const QString&) {};
};

} // namespace shrink4
