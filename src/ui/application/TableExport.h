#pragma once
// 导出 of an analysis table (统计, 历史回测): what the table shows, sorted as shown, to an
// Excel workbook or a CSV table the player picks.

#include "ui/application/Workbook.h"

#include <QByteArray>

class QAbstractItemModel;
class QPushButton;
class QWidget;

namespace shrink4 {

// The header and every row's displayed values; numbers stay numbers.
Sheet sheetOf(const QAbstractItemModel& model, const QString& name);
// The same as a CSV table: UTF-8 with a byte order mark, cells quoted where they must be.
QByteArray csvOf(const Sheet& sheet);

// Asks where (the workbook first), writes the file whole or not at all and reports either
// way. An empty table is reported and nothing written.
void exportTable(QWidget* parent, const QAbstractItemModel& model, const QString& sheetName);

// An 导出… button that exports model.
QPushButton* makeTableExportButton(QWidget* parent, const QAbstractItemModel& model, const QString& sheetName);

} // namespace shrink4
