// Draws files as draw lists and spreadsheets save them (tests/data/draws), read by the
// command line to their draws; a layout given where the automatic reading cannot know it.
// The window's reader is checked on the same files in the history window's tests.

#include "DrawsCorpus.h"
#include "cli/CliTestSupport.h"

#include "engine/Draws.h"
#include "scheme/DrawsText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace shrink4;
using namespace shrink4::testing;

namespace {

// What the file and the layout give through the shared decoding and reading.
QString libraryReading(const QString& path, const DrawsLayout& layout)
{
    const DrawsFileText file = readDrawsFile(path);
    if (!file.text)
        return QStringLiteral("error");
    const QByteArray text = file.text->toUtf8();
    return corpusText(readDraws(std::string_view(text.constData(), std::size_t(text.size())), layout));
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

TEST(DrawsCorpus, EveryFileReadsAsItsDraws)
{
    TempInput scheme("{\"shrink4-scheme\": 1, \"controls\": {}}");
    const auto files = drawsCorpus();
    ASSERT_GE(files.size(), 15u);
    for (const CorpusFile& f : files) {
        EXPECT_EQ(cliReading(f.path, f.options, scheme.path()).toStdString(), f.expected.toStdString())
            << f.path.toStdString();
        EXPECT_EQ(libraryReading(f.path, corpusLayout(f.options)).toStdString(), f.expected.toStdString())
            << f.path.toStdString();
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
