#include "DrawsFile.h"

#include "ui/application/DataFolder.h"
#include "ui/application/KeepNothing.h"
#include "ui/application/Settings.h"

#include "scheme/WholeFileWrite.h"

#include <QDir>
#include <QFileInfo>

namespace shrink4 {

namespace {

std::string_view viewOf(const QByteArray& bytes)
{
    return {bytes.constData(), std::size_t(bytes.size())};
}

} // namespace

QString defaultDrawsPath()
{
    return dataFile(QStringLiteral("draws.txt"));
}

DrawsFileText readKeptDraws(const QString& path)
{
    if (!QFileInfo::exists(path))
        return {QString(), {}, {}};
    return readDrawsFile(path);
}

bool keepDraws(const QString& path, const QString& text, QString* reason)
{
    if (keepsNothing())
        return true;
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *reason = QStringLiteral("无法创建文件夹 %1").arg(QFileInfo(path).absolutePath());
        return false;
    }
    return writeWholeFile(path, text.toUtf8(), reason);
}

DrawsLayout drawsLayoutInForce()
{
    return Settings().drawsLayout();
}

DrawsReading readWindowDraws(const QString& text, const DrawsLayout& layout)
{
    const QByteArray utf8 = text.toUtf8();
    return readDraws(viewOf(utf8), layout);
}

BadDrawLines findWindowBadLines(const QByteArray& utf8, std::size_t kept, const DrawsLayout& layout)
{
    return findBadDrawLines(viewOf(utf8), kept, layout);
}

QByteArray lineBytes(const QByteArray& utf8, const BadDrawLine& bad)
{
    return utf8.mid(qsizetype(bad.begin), qsizetype(bad.end - bad.begin));
}

QList<QByteArray> firstLines(const QByteArray& utf8, int count)
{
    QList<QByteArray> lines;
    qsizetype at = 0;
    while (at < utf8.size() && lines.size() < count) {
        qsizetype end = at;
        while (end < utf8.size() && utf8[end] != '\n' && utf8[end] != '\r')
            ++end;
        lines << utf8.mid(at, end - at);
        at = end + (utf8.mid(end, 2) == "\r\n" ? 2 : 1);
    }
    return lines;
}

} // namespace shrink4
