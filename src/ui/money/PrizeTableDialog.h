#pragma once
// 方案 → 奖金设置: the prize table in use as an editable table of tiers, with its name,
// price and currency; tiers added, removed and moved; a table file opened (all or nothing)
// or saved; the example put back. A table that cannot be used says why as it is edited,
// and OK keeps it only when it can.

#include "engine/PrizeTable.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QToolButton;

namespace shrink4 {

class PrizeSetting;

class PrizeTableDialog : public QDialog {
    Q_OBJECT
public:
    PrizeTableDialog(PrizeSetting& setting, QWidget* parent = nullptr);

    void accept() override;

private:
    // One tier as its row holds it, typed or not.
    struct Draft {
        QString name;
        PrizeMatch match = PrizeMatch::exact;
        unsigned positions = 0;
        QString prize;
    };
    struct Row {
        QLineEdit* name;
        QComboBox* match;
        std::array<QCheckBox*, 4> positions;
        QLineEdit* prize;
        QToolButton* up;
        QToolButton* down;
        QToolButton* remove;
    };
    // Where the table on screen goes wrong: why, and the field to put right.
    struct Fault {
        QString text;
        QWidget* field = nullptr;
    };

    QWidget* buildTiers();
    QLayout* buildFileButtons();
    void showTable(const PrizeTable& table);
    std::vector<Draft> drafts() const;
    void showRows(const std::vector<Draft>& drafts, int focusRow = -1, int focusColumn = 0);
    void addRow(int index, const Draft& draft);
    void editTiers(const std::function<void(std::vector<Draft>&)>& edit, int focusRow, int focusColumn);
    // The table on screen, or why it cannot be used.
    std::optional<PrizeTable> tableOnScreen(Fault* fault) const;
    void showFault();
    bool refuseFault();
    void openFile();
    void saveFile();

    PrizeSetting& m_setting;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_price = nullptr;
    QLineEdit* m_currency = nullptr;
    QGridLayout* m_grid = nullptr;
    QScrollArea* m_tiers = nullptr;
    std::vector<Row> m_rows;
    QPushButton* m_add = nullptr;
    QLabel* m_fault = nullptr;
};

} // namespace shrink4
