// Two starts on one home: the second hands its scheme to the window already open and
// ends, so no second window can overwrite the first one's session; when the open window
// does not answer, the second opens no window that writes the home (the question it asks
// is answered through SHRINK4_HOME_IN_USE); a crashed window's lock and socket keep no one out.

#include "app/WindowProcess.h"
#include "scheme/SchemeFile.h"

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

QString writeScheme(const FreshHome& home, const char* name, const char* basePool)
{
    QFile scheme(home.path(name));
    if (scheme.open(QIODevice::WriteOnly))
        scheme.write(schemeWithBasePool(basePool));
    return scheme.fileName();
}

// The home's environment, with the question a start asks answered beforehand.
QProcessEnvironment answering(const FreshHome& home, const char* answer)
{
    QProcessEnvironment environment = home.environment();
    environment.insert(QStringLiteral("SHRINK4_HOME_IN_USE"), QLatin1String(answer));
    return environment;
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

// A stopped window cannot take the call: the later start gives up and ends, and the window,
// going on, does not open the scheme of a start that is no longer waiting for it.
TEST(SingleInstance, ACallGivenUpOpensNothing)
{
    FreshHome home;
    home.writeSession(schemeWithBasePool("0002 0001"));
    const QString scheme = writeScheme(home, "home/late.json", "0003 0004");
    WindowProcess first(home);
    ASSERT_TRUE(first.waitUntilUp());

    first.signal(SIGSTOP);
    WindowProcess gaveUp(answering(home, "cancel"), {scheme});
    EXPECT_TRUE(gaveUp.exitsCleanly(20000));
    first.signal(SIGCONT);
    // Its calls are taken in turn: once this one is taken, the one given up was read.
    WindowProcess after(home);
    EXPECT_TRUE(after.exitsCleanly(20000));
    first.signal(SIGTERM);
    EXPECT_TRUE(first.exitsCleanly(30000));
    EXPECT_EQ(keptBasePool(home), "0002 0001");
}

// The player chose a window that keeps nothing beside a silent one: it shows the scheme it
// was given, and writes no session, last result or settings, even when closed after a run.
TEST(SingleInstance, BesideASilentWindowOnlyAWindowKeepingNothingOpens)
{
    FreshHome home;
    const QByteArray kept = schemeWithBasePool("0002 0001");
    home.writeSession(kept);
    WindowProcess first(home);
    ASSERT_TRUE(first.waitUntilUp());

    first.signal(SIGSTOP);
    WindowProcess beside(answering(home, "nosave"), {writeScheme(home, "home/b.json", "0003 0004")});
    ASSERT_TRUE(beside.waitUntilUp());
    beside.signal(SIGTERM);
    EXPECT_TRUE(beside.exitsCleanly(30000));
    EXPECT_EQ(readAll(home.sessionPath()), kept);
    EXPECT_FALSE(QFileInfo::exists(home.path("data/shrink4/last-result.json")));
    EXPECT_FALSE(QFileInfo::exists(home.settingsPath()));

    first.signal(SIGCONT);
    first.signal(SIGTERM);
    EXPECT_TRUE(first.exitsCleanly(30000));
    EXPECT_EQ(keptBasePool(home), "0002 0001");
}

// Where the folder cannot be locked, no one can tell whether a window holds it: the start
// asks, and the window it opens then leaves the folder alone.
TEST(SingleInstance, AFolderThatCannotBeLockedGetsAWindowKeepingNothing)
{
    FreshHome home;
    ASSERT_TRUE(QDir(home.path("data/shrink4")).removeRecursively());
    QFile inTheWay(home.path("data/shrink4"));
    ASSERT_TRUE(inTheWay.open(QIODevice::WriteOnly));
    inTheWay.close();

    WindowProcess window(answering(home, "nosave"), {});
    ASSERT_TRUE(window.waitUntilUp());
    window.signal(SIGTERM);
    EXPECT_TRUE(window.exitsCleanly(30000));
    EXPECT_TRUE(QFileInfo(inTheWay.fileName()).isFile());
    EXPECT_FALSE(QFileInfo::exists(home.settingsPath()));
}

TEST(SingleInstance, ALockLeftByACrashedWindowIsTakenOver)
{
    FreshHome home;
    home.writeSession(schemeWithBasePool("0002 0001"));
    WindowProcess crashed(home);
    ASSERT_TRUE(crashed.waitUntilUp());
    crashed.killNow();
    ASSERT_TRUE(QFileInfo::exists(home.path("data/shrink4/shrink4.lock")));
    // Its socket is left too, under the name the next window listens on.
    ASSERT_EQ(QDir(home.path("runtime")).entryList({QStringLiteral("shrink4-*")}, QDir::System).size(), 1);

    WindowProcess next(home);
    ASSERT_TRUE(next.waitUntilUp());
    // It holds the home now: a later start is handed to it.
    WindowProcess later(home);
    EXPECT_TRUE(later.exitsCleanly(10000));
    EXPECT_TRUE(next.running());
}
