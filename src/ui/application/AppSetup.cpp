#include "AppSetup.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace shrink4 {

namespace {

// The face Chinese Windows draws its own windows in; elsewhere the system's choice stays.
void useChineseWindowsFont()
{
    const QStringList present = QFontDatabase::families();
    for (const QString& family : {QStringLiteral("Microsoft YaHei UI"), QStringLiteral("Microsoft YaHei")})
        if (present.contains(family)) {
            QFont font = QApplication::font();
            font.setFamilies({family});
            QApplication::setFont(font);
            return;
        }
}

} // namespace

bool setUpApplication()
{
    QApplication::setOrganizationName(QStringLiteral("shrink4"));
    QApplication::setApplicationName(QStringLiteral("shrink4"));
#ifdef Q_OS_WIN
    // A file under AppData, as the session and the draws, instead of the registry.
    QSettings::setDefaultFormat(QSettings::IniFormat);
#endif
    useChineseWindowsFont();
    // No display name: Qt would append it to every window title, which names the program
    // already ("四星缩水* — 四星缩水").
    // Qt's words in its dialogs, buttons and context menus (文件名, 保存, 取消, 撤销 ...).
    auto* qtTexts = new QTranslator(QCoreApplication::instance());
    if (!qtTexts->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(qtTexts);
}

} // namespace shrink4
