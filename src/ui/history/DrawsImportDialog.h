#pragma once
// 导入设置: how a draws text is to be read, tried out on it before anything is taken. Its
// first lines are shown split into columns, each with a role to choose, beside the digit
// count and the four digits taken; the draws as they will be read and the lines that
// will be refused follow every change.

#include "engine/DrawsLayout.h"

#include <QByteArray>
#include <QDialog>
#include <QString>

#include <cstddef>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace shrink4 {

class DrawsPreviewTable;

class DrawsImportDialog : public QDialog {
    Q_OBJECT
public:
    // Shows `text` read with `layout` to begin with.
    DrawsImportDialog(const QString& text, const DrawsLayout& layout, QWidget* parent = nullptr);

    // The layout as the player left it.
    DrawsLayout chosenLayout() const;

private:
    QWidget* buildSettings();
    void showLayout(const DrawsLayout& layout);
    // The four digits one can take of the digit count on show, `take` chosen where it is one.
    void fillTakes(int take);
    void refresh();
    // Lists the lines `layout` refuses; returns how many there are.
    std::size_t showRefused(const DrawsLayout& layout);

    QString m_text;
    QByteArray m_utf8;
    QSpinBox* m_digits = nullptr;
    QComboBox* m_take = nullptr;
    DrawsPreviewTable* m_table = nullptr;
    QLabel* m_summary = nullptr;
    QListWidget* m_refused = nullptr;
    QPushButton* m_ok = nullptr;
};

} // namespace shrink4
