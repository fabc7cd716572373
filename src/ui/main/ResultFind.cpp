#include "ResultFind.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

#include <algorithm>

namespace shrink4 {

namespace {

QString sortedDigits(QString number)
{
    std::sort(number.begin(), number.end());
    return number;
}

bool rowHolds(const QString& row, const QString& number, bool groupForms)
{
    const QStringList numbers = row.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    // As the player types: 12 finds the first number that begins with 12.
    if (std::any_of(numbers.begin(), numbers.end(), [&number](const QString& n) { return n.startsWith(number); }))
        return true;
    if (!groupForms || number.size() != 4)
        return false;
    const QString wanted = sortedDigits(number);
    return std::any_of(numbers.begin(), numbers.end(),
                       [&wanted](const QString& n) { return sortedDigits(n) == wanted; });
}

} // namespace

int findResultRow(const QListWidget* list, const QString& number, int from)
{
    const int rows = list->count();
    if (number.isEmpty() || rows == 0)
        return -1;
    const bool groupForms = list->property("groupForms").toBool();
    for (int i = 0; i < rows; ++i) {
        const int row = (std::max(from, 0) + i) % rows;
        if (rowHolds(list->item(row)->text(), number, groupForms))
            return row;
    }
    return -1;
}

ResultFind::ResultFind(QListWidget* list, QWidget* parent)
    : QWidget(parent),
      m_list(list)
{
    setObjectName(QStringLiteral("result_find"));
    m_edit = new QLineEdit;
    m_edit->setObjectName(QStringLiteral("result_find_number"));
    m_edit->setPlaceholderText(QStringLiteral("输入号码，回车找下一个"));
    m_edit->setMaxLength(4);
    m_edit->setClearButtonEnabled(true);
    m_state = new QLabel;
    m_state->setObjectName(QStringLiteral("result_find_state"));
    auto* close = new QToolButton;
    close->setText(QStringLiteral("×"));
    close->setToolTip(QStringLiteral("关闭找号（Esc）"));
    close->setAutoRaise(true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(QStringLiteral("找号")));
    row->addWidget(m_edit, 1);
    row->addWidget(m_state);
    row->addWidget(close);
    connect(m_edit, &QLineEdit::textEdited, this, [this] { find(0); });
    connect(m_edit, &QLineEdit::returnPressed, this, [this] { find(m_list->currentRow() + 1); });
    connect(close, &QToolButton::clicked, this, &QWidget::hide);
    hide();
}

void ResultFind::open()
{
    show();
    m_edit->setFocus(Qt::ShortcutFocusReason);
    m_edit->selectAll();
}

void ResultFind::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape)
        return QWidget::keyPressEvent(event);
    hide();
    m_list->setFocus(Qt::OtherFocusReason);
}

void ResultFind::find(int from)
{
    const QString number = m_edit->text().trimmed();
    const int row = findResultRow(m_list, number, from);
    m_state->setText(row < 0 && !number.isEmpty() ? QStringLiteral("没有找到") : QString());
    if (row < 0)
        return;
    m_list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    m_list->scrollToItem(m_list->item(row));
}

} // namespace shrink4
