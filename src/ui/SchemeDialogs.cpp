#include "SchemeDialogs.h"

#include "WindowTexts.h"

#include <QFileDialog>

namespace shrink4 {

QString askSchemeToOpen(QWidget* parent)
{
    return QFileDialog::getOpenFileName(parent, texts::kOpenSchemeCaption, QString(), texts::kSchemeFilter);
}

QString askSavePath(QWidget* parent, const QString& caption, const QString& start, const QString& filter,
                    const QString& suffix, const QString& objectName)
{
    QFileDialog dialog(parent, caption, start, filter);
    dialog.setObjectName(objectName);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QString askSchemeSavePath(QWidget* parent)
{
    return askSavePath(parent, texts::kSaveSchemeCaption, QString(), texts::kSchemeFilter, QStringLiteral("json"),
                       QStringLiteral("save_scheme_dialog"));
}

} // namespace shrink4
