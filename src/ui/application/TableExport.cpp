#include "TableExport.h"

#include "ui/application/SchemeDialogs.h"
#include "scheme/FileErrorText.h"
#include "scheme/WholeFileWrite.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>

namespace shrink4 {

namespace {

// A text a spreadsheet would run as a formula (=, +, -, @ first) is written as a formula
// that gives the text back, as the result's numbers are; numbers stay numbers.
QString csvText(const QVariant& cell)
{
    QString text = cell.toString();
    const bool isText = cell.typeId() == QMetaType::QString;
    if (isText && !text.isEmpty() && QStringLiteral("=+-@").contains(text.front()))
        text = QStringLiteral("=\"") + text.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
    return text;
}

QString csvCell(const QVariant& cell)
{
    QString text = csvText(cell);
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) || text.contains(QLatin1Char('\n'))
        || text.contains(QLatin1Char('\r')))
        text = QLatin1Char('"') + text.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
    return text;
}

QString csvLine(const QVariantList& cells)
{
    QStringList line;
    for (const QVariant& cell : cells)
        line << csvCell(cell);
    return line.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

bool writeTable(const QString& path, const Sheet& sheet, QString* reason)
{
    return isWorkbookPath(path) ? writeWorkbook(path, {sheet}, reason) : writeWholeFile(path, csvOf(sheet), reason);
}

} // namespace

Sheet sheetOf(const QAbstractItemModel& model, const QString& name)
{
    Sheet sheet;
    sheet.name = name;
    for (int c = 0; c < model.columnCount(); ++c)
        sheet.header << model.headerData(c, Qt::Horizontal).toString();
    for (int r = 0; r < model.rowCount(); ++r) {
        QVariantList row;
        for (int c = 0; c < model.columnCount(); ++c)
            row << model.index(r, c).data();
        sheet.rows << row;
    }
    return sheet;
}

QByteArray csvOf(const Sheet& sheet)
{
    QString text = csvLine(QVariantList(sheet.header.begin(), sheet.header.end()));
    for (const QVariantList& row : sheet.rows)
        text += csvLine(row);
    return "\xEF\xBB\xBF" + text.toUtf8(); // without the mark Excel reads the Chinese in the local code page
}

void exportTable(QWidget* parent, const QAbstractItemModel& model, const QString& sheetName)
{
    const QString caption = QStringLiteral("导出%1").arg(sheetName);
    if (model.rowCount() == 0) {
        QMessageBox::information(parent, caption, QStringLiteral("表格是空的，没有可导出的内容。"), QMessageBox::Ok);
        return;
    }
    const QString path =
        askSavePath(parent, {caption,
                             sheetName + QStringLiteral(".xlsx"),
                             {QStringLiteral("Excel 工作簿 (*.xlsx)"), QStringLiteral("CSV 表格 (*.csv)")},
                             {QStringLiteral("xlsx"), QStringLiteral("csv")},
                             QStringLiteral("export_table_dialog")});
    if (path.isEmpty())
        return;
    QString reason;
    if (!writeTable(path, sheetOf(model, sheetName), &reason)) {
        QMessageBox::warning(parent, caption, fileFailureText(QStringLiteral("导出失败"), path, reason),
                             QMessageBox::Ok);
        return;
    }
    QMessageBox::information(
        parent, caption,
        QStringLiteral("已导出 %1 行：\r\n%2").arg(model.rowCount()).arg(QDir::toNativeSeparators(path)),
        QMessageBox::Ok);
}

QPushButton* makeTableExportButton(QWidget* parent, const QAbstractItemModel& model, const QString& sheetName)
{
    auto* button = new QPushButton(QStringLiteral("导出(&E)…"), parent);
    button->setToolTip(QStringLiteral("把表格按显示的次序导出为 Excel 工作簿或 CSV 表格"));
    QObject::connect(button, &QPushButton::clicked, parent,
                     [parent, &model, sheetName] { exportTable(parent, model, sheetName); });
    return button;
}

} // namespace shrink4
