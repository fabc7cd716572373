#pragma once
// 找号 (Ctrl+F): a line over the result list; the row holding the typed number is selected
// and scrolled to, Return goes on to the next one, Esc closes the line.

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;

namespace shrink4 {

// The first row at or after `from` (wrapping round) with a number that begins with
// `number`; in a list of group forms (its "groupForms" property) a whole number also
// matches by its digits in any order.
// -1 when none does.
int findResultRow(const QListWidget* list, const QString& number, int from);

class ResultFind : public QWidget {
    Q_OBJECT
public:
    explicit ResultFind(QListWidget* list, QWidget* parent = nullptr);

    // Shows the line with the focus in it.
    void open();
    QLineEdit* edit() const { return m_edit; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void find(int from);

    QListWidget* m_list;
    QLineEdit* m_edit = nullptr;
    QLabel* m_state = nullptr;
};

} // namespace shrink4
