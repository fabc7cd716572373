#include "SheetNames.h"

#include "ui/application/WorksheetXml.h"

namespace shrink4 {

namespace {

constexpr qsizetype kNameLimit = 31;

// At most limit UTF-16 units, without cutting a character in two.
QString cut(QString name, qsizetype limit)
{
    if (name.size() > limit) {
        name.truncate(limit);
        if (name.back().isHighSurrogate())
            name.chop(1);
    }
    return name;
}

QString safeName(const QString& wanted, int index)
{
    QString name;
    for (const QChar c : xmlCarriable(wanted))
        if (c.unicode() >= 0x20) // tabs and line breaks have no place on a tab
            name += QStringView(u"[]:*?/\\").contains(c) ? QLatin1Char('_') : c;
    while (name.startsWith(QLatin1Char('\'')) || name.endsWith(QLatin1Char('\'')))
        name.remove(name.startsWith(QLatin1Char('\'')) ? 0 : name.size() - 1, 1);
    if (name.compare(QLatin1String("History"), Qt::CaseInsensitive) == 0)
        name += QLatin1Char('_'); // Excel keeps that name for itself
    name = cut(name, kNameLimit);
    return name.isEmpty() ? QStringLiteral("Sheet%1").arg(index + 1) : name;
}

bool taken(const QStringList& names, const QString& name)
{
    return names.contains(name, Qt::CaseInsensitive);
}

} // namespace

QStringList sheetNames(const QStringList& wanted)
{
    QStringList names;
    for (int i = 0; i < wanted.size(); ++i) {
        const QString base = safeName(wanted[i], i);
        QString name = base;
        for (int n = 2; taken(names, name); ++n) {
            const QString suffix = QStringLiteral("(%1)").arg(n);
            name = cut(base, kNameLimit - suffix.size()) + suffix;
        }
        names << name;
    }
    return names;
}

} // namespace shrink4
