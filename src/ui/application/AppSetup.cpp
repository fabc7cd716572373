#include "AppSetup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace shrink4 {

bool setUpApplication()
{
    QApplication::setOrganizationName(QStringLiteral("shrink4"));
    QApplication::setApplicationName(QStringLiteral("shrink4"));
    // No display name: Qt would append it to every window title, which names the program
    // already ("四星缩水* — 四星缩水").
    // Qt's words in its dialogs, buttons and context menus (文件名, 保存, 取消, 撤销 ...).
    auto* qtTexts = new QTranslator(QCoreApplication::instance());
    if (!qtTexts->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(qtTexts);
}

} // namespace shrink4
