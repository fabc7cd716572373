#pragma once
// Small builders for the controls every panel uses, so that names, captions and sizes
// are set in one place.

#include <QString>
#include <QStringList>

class QBoxLayout;
class QGroupBox;
class QLayout;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace shrink4 {

class LineBox;
class TextBox;

QGroupBox* makeFrame(const QString& title);
// Frames sit close together so that the whole window fits a small screen.
void compactFrameLayout(QLayout* layout);

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent = nullptr);
// A narrow "清" / "全" style button whose width fits its one-character caption.
QPushButton* makeSmallButton(const QString& name, const QString& caption, QWidget* parent = nullptr);
QLabel* makeLabel(const QString& caption, QWidget* parent = nullptr);
LineBox* makeLine(const QString& name, const QString& text, QWidget* parent = nullptr);

// Check boxes array(first)..array(first + captions.size() - 1) laid out in rows of
// `columns`, starting at (row, column) of the grid.
void addCheckGrid(QGridLayout* grid, int row, int column, const QString& array, const QStringList& captions,
                  int columns, int first = 0);

// "label [lower] 至 [upper]" for the range boxes array(0) and array(1).
void addRangeRow(QBoxLayout* row, const QString& label, const QString& array);

QStringList digitCaptions(int from, int to);

} // namespace shrink4
