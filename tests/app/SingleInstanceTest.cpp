// Two starts on one home: the second hands its scheme to the window already open and
// ends, so no second window can overwrite the first one's session; a crashed window's lock
// keeps no one out.

#include "app/WindowProcess.h"
#include "scheme/SchemeFile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <csignal>

#include <gtest/gtest.h>

using namespace shrink4;
using namespace shrink4::testing;

namespace {

QByteArray schemeWithBasePool(const char* numbers)
{
    return QByteArray(R"({"shrink4-scheme": 1, "controls": {"T_dadi_nb": ")") + numbers + "\"}}";
}

std::string keptBasePool(const FreshHome& home)
{
    const SchemeResult scheme = parseScheme(readAll(home.sessionPath()));
    return scheme.inputs ? scheme.inputs->basePool : "(no session)";
}

} // namespace

TEST(SingleInstance, ASecondStartHandsItsSchemeToTheFirstAndEnds)
{
    FreshHome home;
    const QByteArray kept = schemeWithBasePool("0002 0001");
    home.writeSession(kept);
    WindowProcess first(home);
    ASSERT_TRUE(first.waitUntilUp());

    QFile scheme(home.path("home/b.json"));
    ASSERT_TRUE(scheme.open(QIODevice::WriteOnly));
    scheme.write(schemeWithBasePool("0003 0004"));
    scheme.close();
    WindowProcess second(home, {scheme.fileName()});
    EXPECT_TRUE(second.exitsCleanly(10000));
    EXPECT_TRUE(first.running());
    EXPECT_EQ(readAll(home.sessionPath()), kept);

    // The first window opened the scheme handed to it, and keeps it.
    first.signal(SIGTERM);
    EXPECT_TRUE(first.exitsCleanly(30000));
    EXPECT_EQ(keptBasePool(home), "0003 0004");
}

TEST(SingleInstance, ACallLeftByAStartThatDiedOpensNothing)
{
    FreshHome home;
    home.writeSession(schemeWithBasePool("0002 0001"));
    QFile scheme(home.path("home/old.json"));
    ASSERT_TRUE(scheme.open(QIODevice::WriteOnly));
    scheme.write(schemeWithBasePool("0003 0004"));
    scheme.close();
    ASSERT_TRUE(QDir().mkpath(home.path("data/shrink4/shrink4.calls")));
    QFile call(home.path("data/shrink4/shrink4.calls/99-dead.call"));
    ASSERT_TRUE(call.open(QIODevice::WriteOnly));
    call.write(scheme.fileName().toUtf8());
    call.flush(); // before the time is set: a later write would set it to now
    call.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
    call.close();

    WindowProcess window(home);
    ASSERT_TRUE(window.waitUntilUp());
    EXPECT_FALSE(call.exists()); // cleared away, not answered
    window.signal(SIGTERM);
    EXPECT_TRUE(window.exitsCleanly(30000));
    EXPECT_EQ(keptBasePool(home), "0002 0001");
}

TEST(SingleInstance, ALockLeftByACrashedWindowIsTakenOver)
{
    FreshHome home;
    home.writeSession(schemeWithBasePool("0002 0001"));
    WindowProcess crashed(home);
    ASSERT_TRUE(crashed.waitUntilUp());
    crashed.killNow();
    ASSERT_TRUE(QFileInfo::exists(home.path("data/shrink4/shrink4.lock")));

    WindowProcess next(home);
    ASSERT_TRUE(next.waitUntilUp());
    // It holds the home now: a later start is handed to it.
    WindowProcess later(home);
    EXPECT_TRUE(later.exitsCleanly(10000));
    EXPECT_TRUE(next.running());
}
