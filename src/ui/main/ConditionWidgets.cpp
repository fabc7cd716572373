#include "ConditionWidgets.h"

#include "ui/widgets/QtText.h"
#include "ui/widgets/WindowStyle.h"
#include "ui/widgets/textbox/LineBox.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace shrink4 {

QGroupBox* makeFrame(ConditionForm& form, Frame place, const QString& title)
{
    QGroupBox* frame = makeFrame(title);
    form.frames[std::size_t(place)] = frame;
    return frame;
}

void addCheckGrid(QGridLayout* grid, int row, int column, ControlForm control, const QStringList& captions,
                  int columns, int first)
{
    for (int i = 0; i < captions.size(); ++i) {
        auto* box = new QCheckBox(captions[i]);
        box->setObjectName(indexedName(control.meta.key, first + i));
        styleCheckBox(box);
        grid->addWidget(box, row + i / columns, column + i % columns);
        control.widgets.checks.append(box);
    }
}

QPushButton* makeToggle(ControlForm control, int index, const QString& caption)
{
    QPushButton* b = makeSmallButton(indexedName(control.meta.key, index), caption);
    b->setCheckable(true);
    styleToggle(b);
    control.widgets.toggles.append(b);
    return b;
}

void addRangeRow(QBoxLayout* row, ControlForm control)
{
    row->addWidget(makeLabel(toQString(control.meta.caption)));
    for (int i = 0; i < 2; ++i) {
        LineBox* e = makeLine(indexedName(control.meta.key, i), toQString(control.meta.startText));
        e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
        e->setAlignment(Qt::AlignCenter);
        row->addWidget(e);
        control.widgets.texts.append(e);
        if (i == 0)
            row->addWidget(makeLabel(QStringLiteral("至")));
    }
}

} // namespace shrink4
