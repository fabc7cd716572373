#include "ShortcutsDialog.h"

#include "ui/application/Shortcuts.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace shrink4 {

namespace {

QTableWidget* makeTable()
{
    const QList<keys::Note> rows = keys::allRows();
    auto* table = new QTableWidget(int(rows.size()), 2);
    table->setObjectName(QStringLiteral("shortcuts_table"));
    table->setHorizontalHeaderLabels({QStringLiteral("按键"), QStringLiteral("作用")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(true);
    for (int row = 0; row < rows.size(); ++row) {
        table->setItem(row, 0, new QTableWidgetItem(rows[row].keys));
        table->setItem(row, 1, new QTableWidgetItem(rows[row].what));
    }
    table->resizeColumnToContents(0);
    table->horizontalHeader()->setStretchLastSection(true);
    table->resizeRowsToContents();
    return table;
}

} // namespace

ShortcutsDialog::ShortcutsDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("shortcuts_dialog"));
    setWindowTitle(QStringLiteral("快捷键"));
    auto* layout = new QVBoxLayout(this);
    QTableWidget* table = makeTable();
    layout->addWidget(table);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("关闭"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    const int em = fontMetrics().averageCharWidth();
    const int rowsHeight = table->verticalHeader()->length() + table->horizontalHeader()->height();
    resize(em * 80, rowsHeight + buttons->sizeHint().height() + em * 6);
}

} // namespace shrink4
