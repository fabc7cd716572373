// shrink4-cli run --output FILE: the same bytes as standard output, written whole or not
// at all.

#include "cli/CliTestSupport.h"
#include "gui/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace shrink4::testing;

namespace {

// No conditions: all 10,000 numbers, some 50 KB of output.
const QByteArray kEmptyScheme = R"({"shrink4-scheme": 1, "controls": {}})";

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

TEST(OutputFile, HoldsExactlyWhatWouldBePrinted)
{
    TempInput scheme(R"({"shrink4-scheme": 1, "controls": {"T_dadi_nb": "0002 0001 0003"}})");
    for (const QStringList& extra : {QStringList{}, QStringList{QStringLiteral("--json")}}) {
        const auto printed = runCli(QStringList{QStringLiteral("run")} + extra + QStringList{scheme.path()});
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("out.txt"));
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x')); // a longer file is replaced, not overwritten in part
        old.close();
        const auto written =
            runCli(QStringList{QStringLiteral("run"), QStringLiteral("--output"), path} + extra + QStringList{scheme.path()});
        EXPECT_EQ(written.exitCode, 0) << written.err.constData();
        EXPECT_TRUE(written.out.isEmpty());
        EXPECT_EQ(fileBytes(path), printed.out);
        EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("out.txt")});
    }
}

// Each way the file cannot be written: exit 1, one line on standard error, nothing on
// standard output, the old file as it was and no temporary left beside it.
TEST(OutputFile, FailureChangesNothing)
{
    struct Case {
        const char* name;
        const char* target;  // inside the temporary folder
        bool folderInTheWay;
        long sizeLimit;      // bytes, or -1 for none
    };
    const Case cases[] = {
        {"a full disk", "out.txt", false, 4096},
        {"a folder in the file's place", "out.txt", true, -1},
        {"a missing folder", "no/such/out.txt", false, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QString::fromLatin1(c.target));
        if (c.folderInTheWay) {
            ASSERT_TRUE(QDir().mkdir(path));
        } else if (!path.contains(QLatin1String("no/such"))) {
            QFile old(path);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("old\n");
        }
        const QStringList before = entries(dir.path());
        CliOutcome r;
        {
            std::unique_ptr<shrink4::test::FileSizeLimit> limit;
            if (c.sizeLimit >= 0)
                limit = std::make_unique<shrink4::test::FileSizeLimit>(rlim_t(c.sizeLimit));
            r = runCli({QStringLiteral("run"), QStringLiteral("-o"), path, QStringLiteral("-")}, kEmptyScheme);
        }
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.constData();
        EXPECT_TRUE(r.err.contains(path.toUtf8()));
        EXPECT_EQ(entries(dir.path()), before);
        if (!c.folderInTheWay && !path.contains(QLatin1String("no/such"))) {
            EXPECT_EQ(fileBytes(path), QByteArray("old\n"));
        }
    }
}

TEST(OutputFile, AnEmptyNameIsRefused)
{
    const auto r = runCli({QStringLiteral("run"), QStringLiteral("--output="), QStringLiteral("-")}, kEmptyScheme);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.isEmpty());
}
