#pragma once
// One window per home. A second window on the same data folder would overwrite the first
// one's session when it closed; instead a later start asks the window already open there
// to come forward, hands it the scheme it was given, and ends.
//
// A lock file in the folder says whether a live window holds it; the window listens on a
// local socket named after the folder (Qt Network, as single-window Qt programs do), so a
// call reaches it through its event loop, even while it shows a message box, and never
// through a file it would have to open.

#include <QLockFile>
#include <QObject>
#include <QString>

#include <functional>

namespace shrink4 {

class SingleInstance : public QObject {
public:
    enum class Claim {
        Held,       // this start holds the folder from now on
        HandedOver, // the window holding it took this start over
        Unanswered, // a live window holds it but did not take the call in time
        Unlockable, // the folder cannot be written or locked: whether a window holds it is unknown
    };

    // dataFolder: where the session is kept; the lock goes in it.
    explicit SingleInstance(const QString& dataFolder);

    // Tries once to hold the folder, else to hand scheme (a path, or empty for none) to the
    // window holding it. Blocks for a few seconds at most; may be asked again.
    Claim claim(const QString& scheme);

    // What the window does when a later start hands it a scheme (empty: none).
    void onCalled(std::function<void(const QString& scheme)> answer) { m_answer = std::move(answer); }

private:
    void listen();

    QLockFile m_lock;
    QString m_server; // the name later starts call
    std::function<void(const QString&)> m_answer = [](const QString&) {};
};

} // namespace shrink4
