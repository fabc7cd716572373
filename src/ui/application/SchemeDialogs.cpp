#include "SchemeDialogs.h"

#include "ui/application/WindowSettings.h"
#include "ui/application/WindowTexts.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace shrink4 {

namespace {

// A bare file name goes into the folder the dialog was last used in, or 文档 the first time.
QString startPath(const QString& start, const QString& dialog)
{
    if (!start.isEmpty() && QDir::isAbsolutePath(start))
        return start;
    return QDir(startFolder(lastFolder(dialog))).filePath(start);
}

// 方案1.json, or the first number not taken yet in the folder.
QString freeSchemeName(const QString& folder)
{
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("方案%1.json").arg(n);
        if (!QFileInfo::exists(QDir(folder).filePath(name)))
            return name;
    }
}

QString chosenFile(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().first();
    rememberFolder(dialog.objectName(), path);
    return path;
}

} // namespace

QString startFolder(const QString& remembered)
{
    if (!remembered.isEmpty())
        return remembered;
    // A fresh home may have no 文档 yet: a dialog given a folder that is missing takes its
    // name for the file's and opens in the working folder. Made only inside a real home:
    // without one Qt names folders in the root.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString home = QDir::homePath();
    if (home != QDir::rootPath() && documents.startsWith(home + QLatin1Char('/')))
        QDir().mkpath(documents);
    return documents;
}

QString askSchemeToOpen(QWidget* parent)
{
    QFileDialog dialog(parent, texts::kOpenSchemeCaption, startPath({}, QStringLiteral("open_scheme_dialog")),
                       texts::kSchemeFilter);
    dialog.setObjectName(QStringLiteral("open_scheme_dialog"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosenFile(dialog);
}

QString askSavePath(QWidget* parent, const SaveDialogSpec& spec)
{
    QFileDialog dialog(parent, spec.caption, startPath(spec.start, spec.objectName));
    dialog.setObjectName(spec.objectName);
    dialog.setNameFilters(spec.filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(spec.suffixes.value(0));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &spec](const QString& filter) {
        dialog.setDefaultSuffix(spec.suffixes.value(int(spec.filters.indexOf(filter))));
    });
    return chosenFile(dialog);
}

QString askSavePath(QWidget* parent, const QString& caption, const QString& start, const QString& filter,
                    const QString& suffix, const QString& objectName)
{
    return askSavePath(parent, {caption, start, {filter}, {suffix}, objectName});
}

QString askSchemeSavePath(QWidget* parent, const QString& current)
{
    const QString dialog = QStringLiteral("save_scheme_dialog");
    return askSavePath(parent, texts::kSaveSchemeAsCaption,
                       current.isEmpty() ? freeSchemeName(startFolder(lastFolder(dialog))) : current,
                       texts::kSchemeFilter, QStringLiteral("json"), dialog);
}

} // namespace shrink4
