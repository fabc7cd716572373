#pragma once
// The first lines of a draws text split into columns, a chooser above each column for
// what it holds (期号, 号码, 不用, or 自动: the line is not read by columns), and first,
// where no width of the line hides it, what each line gives read with a layout: its
// draw, why it is refused, or that it is skipped.

#include "engine/BadDrawLines.h"
#include "engine/DrawsLayout.h"

#include <QByteArray>
#include <QList>
#include <QTableWidget>

#include <vector>

class QComboBox;

namespace shrink4 {

class DrawsPreviewTable : public QTableWidget {
    Q_OBJECT
public:
    // `lines`: the first lines of the text, in UTF-8, their breaks left out.
    explicit DrawsPreviewTable(QList<QByteArray> lines, QWidget* parent = nullptr);

    // The columns' roles, the last skipped ones left out; none when the line is read
    // automatically.
    std::vector<ColumnRole> roles() const;
    void setRoles(const std::vector<ColumnRole>& roles);
    // The chooser above column `column` (0-based), for the keyboard to reach it.
    QComboBox* roleChooser(int column) const { return m_choosers.at(std::size_t(column)); }
    int lineColumns() const { return int(m_choosers.size()); }

    // Each line's draw, or why not, read with `layout`.
    void showReading(const DrawsLayout& layout);

signals:
    void rolesChanged();

private:
    void addChooser(int column);
    void chooseRole(int column);
    void setChooser(int column, int role);
    void fitReadColumns();
    void showLine(int row, const BadDrawLine* refused, const DrawsLayout& layout);

    QList<QByteArray> m_lines;
    std::vector<QComboBox*> m_choosers;
};

} // namespace shrink4
