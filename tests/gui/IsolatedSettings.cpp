// Linked into every window test: whatever a window remembers goes to a folder of the test
// run's own, never to the settings of the person running the tests.
#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

namespace {

void isolateSettings()
{
    static QTemporaryDir folder;
    if (!folder.isValid())
        qFatal("no temporary folder for the settings");
    QCoreApplication::setOrganizationName(QStringLiteral("shrink4-tests"));
    QCoreApplication::setApplicationName(QStringLiteral("shrink4-tests"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, folder.path());
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(isolateSettings)
