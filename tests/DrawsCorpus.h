#pragma once
// The draws files of tests/data/draws, as draw lists and spreadsheets save them, with the
// options that read each and the draws it must give, for every reader to be checked on.

#include "engine/Draws.h"

#include <QFile>
#include <QString>
#include <QStringList>

#include <vector>

namespace shrink4::testing {

struct CorpusFile {
    QString path;
    QStringList options; // as the command line takes them
    QString expected;    // "issue=number …", or "error"
};

inline std::vector<CorpusFile> drawsCorpus()
{
    QFile list(QStringLiteral(SHRINK4_DRAWS_CORPUS "/expected.txt"));
    std::vector<CorpusFile> files;
    if (!list.open(QIODevice::ReadOnly))
        return files;
    for (const QByteArray& line : list.readAll().split('\n')) {
        const QStringList parts = QString::fromUtf8(line).split(u'|');
        if (!line.startsWith('#') && parts.size() == 3)
            files.push_back({QStringLiteral(SHRINK4_DRAWS_CORPUS "/") + parts[0],
                             parts[1].split(u' ', Qt::SkipEmptyParts), parts[2]});
    }
    return files;
}

// The layout the options give, as the window's import settings would hold it.
inline DrawsLayout corpusLayout(const QStringList& options)
{
    DrawsLayout layout;
    std::string error;
    for (qsizetype k = 0; k + 1 < options.size(); k += 2) {
        const std::string value = options[k + 1].toStdString();
        if (options[k] == QLatin1String("--digits"))
            layout.digits = parseDrawDigits(value, &error).value_or(4);
        else if (options[k] == QLatin1String("--take"))
            layout.take = parseTake(value, layout.digits, &error).value_or(-1);
        else
            layout.columns = parseColumnRoles(value, &error).value_or(std::vector<ColumnRole>{});
    }
    return layout;
}

// A reading as "issue=number …", or "error".
inline QString corpusText(const DrawsReading& reading)
{
    if (reading.fault != DrawsFault::None)
        return QStringLiteral("error");
    QStringList draws;
    for (const Draw& d : reading.draws)
        draws << QStringLiteral("%1=%2").arg(QString::fromStdString(d.label.value_or("-")),
                                             QStringLiteral("%1").arg(d.number, 4, 10, QLatin1Char('0')));
    return draws.join(u' ');
}

} // namespace shrink4::testing
