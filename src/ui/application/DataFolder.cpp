#include "DataFolder.h"

#include "ui/application/KeepNothing.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace shrink4 {

QString dataFolder()
{
    // Not AppDataLocation: the organization name set for the settings would add a second
    // "shrink4" folder below this one.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/')
           + QCoreApplication::applicationName();
}

QString dataFile(const QString& name)
{
    const QString path = dataFolder() + QLatin1Char('/') + name;
    const QString earlier = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1Char('/') + name;
    if (earlier == path || QFile::exists(path) || !QFile::exists(earlier))
        return path;
    if (keepsNothing())
        return earlier;
    // Where it cannot be moved, the earlier place is read and kept as before.
    return QDir().mkpath(dataFolder()) && QFile::rename(earlier, path) ? path : earlier;
}

} // namespace shrink4
