#pragma once
// Runs the real shrink4 binary (SHRINK4_WINDOW_PATH, from $<TARGET_FILE:shrink4>) offscreen
// in a home of its own, as a player starts it: its settings, data and runtime folders are
// new and removed with the home.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <chrono>
#include <csignal>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

#ifndef SHRINK4_WINDOW_PATH
#error "SHRINK4_WINDOW_PATH must name the shrink4 binary"
#endif

namespace shrink4::testing {

inline QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

class FreshHome {
public:
    FreshHome()
    {
        for (const char* folder : {"home", "config", "data/shrink4", "cache", "runtime"})
            QDir(m_root.path()).mkpath(QString::fromLatin1(folder));
        // Qt refuses a runtime folder others may enter.
        QFile::setPermissions(path("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString path(const char* inside) const { return m_root.filePath(QString::fromLatin1(inside)); }
    QString sessionPath() const { return path("data/shrink4/session.json"); }
    QString settingsPath() const { return path("config/shrink4/shrink4.conf"); }
    void writeSession(const QByteArray& bytes) const
    {
        QFile file(sessionPath());
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), path("home"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), path("config"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), path("data"));
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), path("cache"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), path("runtime"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return environment;
    }

private:
    QTemporaryDir m_root;
};

// shrink4 started in a home; killed, if still running, when this goes.
class WindowProcess {
public:
    WindowProcess(const FreshHome& home, const QStringList& arguments = {})
        : WindowProcess(home.environment(), arguments)
    {
    }
    // With an environment of its own, such as a home's with a variable more; or through
    // another program (a shell) that runs the window in its place.
    WindowProcess(const QProcessEnvironment& environment, const QStringList& arguments,
                  const QString& program = QStringLiteral(SHRINK4_WINDOW_PATH))
    {
        m_process.setProgram(program);
        m_process.setArguments(arguments);
        m_process.setProcessEnvironment(environment);
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
        m_process.waitForStarted(30000);
    }
    ~WindowProcess()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(30000);
        }
    }

    pid_t pid() const { return pid_t(m_process.processId()); }
    bool running() const { return m_process.state() == QProcess::Running; }
    void signal(int number) const { ::kill(pid(), number); }
    // As a crash ends it: nothing of its own runs.
    void killNow()
    {
        m_process.kill();
        m_process.waitForFinished(30000);
    }
    // True once the process ended by itself with status 0 within the time.
    bool exitsCleanly(int milliseconds)
    {
        return m_process.waitForFinished(milliseconds) && m_process.exitStatus() == QProcess::NormalExit
               && m_process.exitCode() == 0;
    }

    // Waits until the program catches SIGTERM and SIGHUP, which it does once its window is
    // up with the session read; false if it ended or took longer than a minute.
    bool waitUntilUp() const
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
        while (running() && std::chrono::steady_clock::now() < deadline) {
            if (catchesEndingSignals())
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    }

private:
    bool catchesEndingSignals() const
    {
        std::ifstream status("/proc/" + std::to_string(pid()) + "/status");
        const unsigned long long wanted = (1ULL << (SIGTERM - 1)) | (1ULL << (SIGHUP - 1));
        for (std::string line; std::getline(status, line);)
            if (line.starts_with("SigCgt:"))
                return (std::stoull(line.substr(7), nullptr, 16) & wanted) == wanted;
        return false;
    }

    QProcess m_process;
};

} // namespace shrink4::testing
