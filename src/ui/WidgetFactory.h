#pragma once
// Small builders for the controls every panel uses, so that names, captions and sizes
// are set in one place. Condition controls are named by their table key and recorded
// in the form as they are made.

#include "ConditionForm.h"

#include <QString>
#include <QStringList>

class QBoxLayout;
class QGridLayout;
class QLayout;
class QWidget;

namespace shrink4 {

QGroupBox* makeFrame(const QString& title);
// A condition frame, recorded in the form under its place.
QGroupBox* makeFrame(ConditionForm& form, Frame place, const QString& title);
// Frames sit close together so that the whole window fits a small screen.
void compactFrameLayout(QLayout* layout);

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent = nullptr);
// A narrow "清" / "全" style button whose width fits its one-character caption.
QPushButton* makeSmallButton(const QString& name, const QString& caption, QWidget* parent = nullptr);
QLabel* makeLabel(const QString& caption, QWidget* parent = nullptr);
LineBox* makeLine(const QString& name, const QString& text, QWidget* parent = nullptr);

// Check boxes first..first + captions.size() - 1 of a control laid out in rows of
// `columns`, starting at (row, column) of the grid; appended to the control's widgets.
void addCheckGrid(QGridLayout* grid, int row, int column, ControlForm control, const QStringList& captions,
                  int columns, int first = 0);

// A checkable button of a toggle control, appended to its widgets.
QPushButton* makeToggle(ControlForm control, int index, const QString& caption);

// "label [lower] 至 [upper]" for a range control.
void addRangeRow(QBoxLayout* row, ControlForm control);

} // namespace shrink4
