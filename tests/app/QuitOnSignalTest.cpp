// A shutdown or `kill` ends the window as closing it does: status 0, the session and the
// remembered settings written.

#include "app/WindowProcess.h"
#include "scheme/SchemeFile.h"

#include <QFileInfo>
#include <QThread>

#include <csignal>
#include <cstdio>

#include <gtest/gtest.h>

using namespace shrink4;
using namespace shrink4::testing;

// A scheme named in bytes that are not UTF-8, as a file manager passes it, is read by its
// bytes as the command line reads it; its conditions are what the closing keeps.
TEST(QuitOnSignal, ASchemeNamedInBytesThatAreNotUtf8Opens)
{
    FreshHome home;
    const QByteArray name = QFile::encodeName(home.path("home")) + "/\xff\xfe.json";
    const auto write = [](const QByteArray& path, const QByteArray& bytes) {
        FILE* file = std::fopen(path.constData(), "wb");
        return file && std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), file) == std::size_t(bytes.size())
               && std::fclose(file) == 0;
    };
    ASSERT_TRUE(write(name, R"({"shrink4-scheme": 1, "controls": {"T_dadi_nb": "0003"}})"));
    // Qt's process classes pass names as UTF-8: the shell passes the bytes themselves.
    const QByteArray nameFile = QFile::encodeName(home.path("name"));
    ASSERT_TRUE(write(nameFile, name));
    WindowProcess window(home.environment(),
                         {QStringLiteral("-c"), QStringLiteral("exec \"$0\" \"$(cat \"$1\")\""),
                          QStringLiteral(SHRINK4_WINDOW_PATH), QFile::decodeName(nameFile)},
                         QStringLiteral("/bin/sh"));
    ASSERT_TRUE(window.waitUntilUp());
    QThread::sleep(1); // the scheme opens once the window is up
    window.signal(SIGTERM);
    EXPECT_TRUE(window.exitsCleanly(30000));
    const SchemeResult kept = parseScheme(readAll(home.sessionPath()));
    ASSERT_TRUE(kept.inputs) << kept.error.toStdString();
    EXPECT_EQ(kept.inputs->basePool, "0003");
}

TEST(QuitOnSignal, TermAndHangUpSaveTheSessionAndExitCleanly)
{
    // Only the base pool named, so a session the closing wrote (every control) differs.
    const QByteArray kept = R"({"shrink4-scheme": 1, "controls": {"T_dadi_nb": "0002 0001"}})";
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(signal == SIGTERM ? "SIGTERM" : signal == SIGHUP ? "SIGHUP" : "SIGINT");
        FreshHome home;
        home.writeSession(kept);
        WindowProcess window(home);
        ASSERT_TRUE(window.waitUntilUp());

        window.signal(signal);
        EXPECT_TRUE(window.exitsCleanly(30000));
        EXPECT_TRUE(QFileInfo::exists(home.settingsPath())) << "the window's closing did not run";
        const QByteArray session = readAll(home.sessionPath());
        EXPECT_NE(session, kept) << "the session was not saved";
        const SchemeResult scheme = parseScheme(session);
        ASSERT_TRUE(scheme.inputs) << scheme.error.toStdString();
        EXPECT_EQ(scheme.inputs->basePool, "0002 0001");
    }
}
