#pragma once
// Builders of the condition controls: each is named by its table key and recorded in the
// form as it is made, with the control's own 清 button where its row names one (the panel
// lays that out from the form).

#include "ui/main/ConditionForm.h"
#include "ui/widgets/WidgetFactory.h"
#include "ui/widgets/textbox/TextBox.h"

#include <QStringList>

class QBoxLayout;
class QGridLayout;

namespace shrink4 {

// A condition frame, recorded in the form under its place.
QGroupBox* makeFrame(ConditionForm& form, Frame place, const QString& title);

// The box of a text control, multi-line or single-line by its kind, holding its start
// text and showing its help while empty.
TextBox* makeTextBox(ControlForm control);

// Check boxes first..first + captions.size() - 1 of a control laid out in rows of
// `columns`, starting at (row, column) of the grid; appended to the control's widgets.
void addCheckGrid(QGridLayout* grid, int row, int column, ControlForm control, const QStringList& captions, int columns,
                  int first = 0);

// A checkable button of a toggle control, appended to its widgets.
QPushButton* makeToggle(ControlForm control, int index, const QString& caption);

// "label [lower] 至 [upper]" for a range control.
void addRangeRow(QBoxLayout* row, ControlForm control);

} // namespace shrink4
