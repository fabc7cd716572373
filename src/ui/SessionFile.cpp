#include "SessionFile.h"

#include "SchemeFileAccess.h"
#include "scheme/WholeFileWrite.h"
#include "scheme/SchemeFile.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QCoreApplication>
#include <QStandardPaths>

namespace shrink4 {

namespace {

void warn(const QString& text)
{
    qWarning().noquote() << text;
}

void setAside(const QString& path, const QString& why)
{
    const QString bad = path + QStringLiteral(".bad");
    QFile::remove(bad); // the newest broken file is the one worth keeping
    if (QFile::rename(path, bad))
        warn(QStringLiteral("上次的条件无法读取（%1），已改名为 %2").arg(why, bad));
    else
        warn(QStringLiteral("上次的条件无法读取（%1），也无法改名：%2").arg(why, path));
}

bool writeWhole(const QString& path, const QByteArray& bytes, QString* error)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *error = QStringLiteral("无法创建文件夹");
        return false;
    }
    return writeWholeFile(path, bytes, error);
}

} // namespace

QString defaultSessionPath()
{
    // The program's own folder of the shared data location (~/.local/share/shrink4), which
    // the organization name set for the settings does not move.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/')
        + QCoreApplication::applicationName() + QStringLiteral("/session.json");
}

std::optional<ConditionInputs> loadSession(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    // Reading a FIFO or a device would block or never end, and a huge file would only be
    // read to be refused.
    if (!info.isFile() || info.size() > kMaxSchemeBytes) {
        warn(QStringLiteral("上次的条件无法读取：%1 不是普通的方案文件").arg(path));
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        warn(QStringLiteral("上次的条件无法打开：%1（%2）").arg(path, file.errorString()));
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    SchemeResult scheme = parseScheme(bytes);
    if (!scheme.inputs)
        setAside(path, scheme.error);
    return std::move(scheme.inputs);
}

bool saveSession(const QString& path, const ConditionInputs& inputs)
{
    QString error;
    if (writeWhole(path, serializeScheme(inputs), &error))
        return true;
    warn(QStringLiteral("条件未能保存到 %1：%2").arg(path, error));
    return false;
}

} // namespace shrink4
