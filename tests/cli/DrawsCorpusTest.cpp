// Draws files as draw lists and spreadsheets save them (tests/data/draws), read by the
// command line and by the reading the window does, to the same draws; a layout given
// where the automatic reading cannot know it.

#include "cli/CliTestSupport.h"

#include "engine/Draws.h"
#include "scheme/DrawsText.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace shrink4;
using namespace shrink4::testing;

namespace {

struct CorpusFile {
    QString name;
    QStringList options; // as the command line takes them
    QString expected;    // "issue=number …", or "error"
};

std::vector<CorpusFile> corpus()
{
    QFile list(QStringLiteral(SHRINK4_DRAWS_CORPUS "/expected.txt"));
    EXPECT_TRUE(list.open(QIODevice::ReadOnly));
    std::vector<CorpusFile> files;
    for (const QByteArray& line : list.readAll().split('\n')) {
        const QStringList parts = QString::fromUtf8(line).split(u'|');
        if (line.startsWith('#') || parts.size() != 3)
            continue;
        files.push_back({parts[0], parts[1].split(u' ', Qt::SkipEmptyParts), parts[2]});
    }
    return files;
}

// The layout the options give, as the window's import settings would hold it.
DrawsLayout layoutOf(const QStringList& options)
{
    DrawsLayout layout;
    std::string error;
    for (qsizetype k = 0; k + 1 < options.size(); k += 2) {
        const std::string value = options[k + 1].toStdString();
        if (options[k] == QLatin1String("--digits"))
            layout.digits = *parseDrawDigits(value, &error);
        else if (options[k] == QLatin1String("--take"))
            layout.take = *parseTake(value, layout.digits, &error);
        else
            layout.columns = *parseColumnRoles(value, &error);
    }
    return layout;
}

QString windowReading(const QString& path, const DrawsLayout& layout)
{
    const DrawsFileText file = readDrawsFile(path);
    if (!file.text)
        return QStringLiteral("error");
    const QByteArray text = file.text->toUtf8();
    const DrawsReading reading = readDraws(std::string_view(text.constData(), std::size_t(text.size())), layout);
    QStringList draws;
    for (const Draw& d : reading.draws)
        draws << QStringLiteral("%1=%2")
                     .arg(QString::fromStdString(d.label.value_or("-")))
                     .arg(d.number, 4, 10, QLatin1Char('0'));
    return reading.fault == DrawsFault::None ? draws.join(u' ') : QStringLiteral("error");
}

QString cliReading(const QString& path, const QStringList& options, const QString& scheme)
{
    const auto r =
        runCli(QStringList{QStringLiteral("backtest"), QStringLiteral("--json")} + options + QStringList{scheme, path});
    if (r.exitCode != 0)
        return QStringLiteral("error");
    QStringList draws;
    for (const QJsonValue& d : QJsonDocument::fromJson(r.out).object().value(QLatin1String("draws")).toArray())
        draws << d[QLatin1String("label")].toString() + u'=' + d[QLatin1String("number")].toString();
    return draws.join(u' ');
}

} // namespace

TEST(DrawsCorpus, EveryFileReadsAsItsDrawsThroughBothReaders)
{
    TempInput scheme("{\"shrink4-scheme\": 1, \"controls\": {}}");
    const auto files = corpus();
    ASSERT_GE(files.size(), 15u);
    for (const CorpusFile& f : files) {
        const QString path = QStringLiteral(SHRINK4_DRAWS_CORPUS "/") + f.name;
        EXPECT_EQ(cliReading(path, f.options, scheme.path()).toStdString(), f.expected.toStdString())
            << f.name.toStdString();
        EXPECT_EQ(windowReading(path, layoutOf(f.options)).toStdString(), f.expected.toStdString())
            << f.name.toStdString();
    }
}

// A file the automatic reading cannot read says what it found, and the option to give.
TEST(DrawsCorpus, RefusalsNameWhatTheyFound)
{
    TempInput scheme("{\"shrink4-scheme\": 1, \"controls\": {}}");
    struct Case {
        const char* file;
        QStringList options;
        const char* says;
    } cases[] = {
        {"five-digits-last-four.txt", {}, "the number at the end has 5 digits"},
        {"trial-and-sales.csv", {}, "other digits follow a group of 4"},
        {"utf16-no-bom-chinese.txt", {}, "zero bytes"},
        {"five-digits-last-four.txt", {QStringLiteral("--take"), QStringLiteral("2-5")}, "--take \"2-5\": FROM-TO"},
        {"quoted.csv", {QStringLiteral("--columns"), QStringLiteral("i,x")}, "--columns \"i,x\": each column"},
        {"quoted.csv", {QStringLiteral("--digits"), QStringLiteral("8")}, "--digits \"8\": "},
    };
    for (const auto& c : cases) {
        const auto r = runCli(QStringList{QStringLiteral("backtest")} + c.options
                              + QStringList{scheme.path(), QStringLiteral(SHRINK4_DRAWS_CORPUS "/") + c.file});
        EXPECT_EQ(r.exitCode, 2) << c.file;
        EXPECT_TRUE(r.err.contains(c.says)) << c.file << ": " << r.err.constData();
    }
}
