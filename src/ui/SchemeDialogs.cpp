#include "SchemeDialogs.h"

#include "WindowTexts.h"

#include <QFileDialog>

namespace shrink4 {

QString askSchemeToOpen(QWidget* parent)
{
    return QFileDialog::getOpenFileName(parent, texts::kOpenSchemeCaption, QString(), texts::kSchemeFilter);
}

QString askSchemeSavePath(QWidget* parent)
{
    QFileDialog dialog(parent, texts::kSaveSchemeCaption, QString(), texts::kSchemeFilter);
    dialog.setObjectName(QStringLiteral("save_scheme_dialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("json"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace shrink4
