// A shutdown or `kill` ends the window as closing it does: status 0, the session and the
// remembered settings written.

#include "app/WindowProcess.h"
#include "scheme/SchemeFile.h"

#include <QFileInfo>

#include <csignal>

#include <gtest/gtest.h>

using namespace shrink4;
using namespace shrink4::testing;

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
