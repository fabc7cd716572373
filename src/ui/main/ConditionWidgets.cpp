#include "ConditionWidgets.h"

#include "ui/guide/GuideSections.h"
#include "ui/widgets/ClearOnDoubleClickEdit.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/TextConversion.h"
#include "ui/widgets/WindowStyle.h"
#include "ui/widgets/textbox/LineBox.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace shrink4 {

namespace {

void makeClearButton(ControlForm control)
{
    if (!control.meta.clearButton.empty() && !control.widgets.clear)
        control.widgets.clear = makeSmallButton(keyString(control.meta.clearButton), QStringLiteral("清"));
}

} // namespace

QGroupBox* makeFrame(ConditionForm& form, Frame place, const QString& title)
{
    QGroupBox* frame = makeFrame(title);
    form.frames[std::size_t(place)] = frame;
    frame->setProperty(guide::kFrameProperty, int(place));
    return frame;
}

TextBox* makeTextBox(ControlForm control)
{
    const QString start = fromInputText(control.meta.startText);
    TextBox* box = control.meta.kind == ControlKind::LineBox
                       ? static_cast<TextBox*>(makeLine(keyString(control.meta.key), start))
                       : new ClearOnDoubleClickEdit(start);
    box->setObjectName(keyString(control.meta.key));
    box->setPlaceholderText(fromInputText(help::placeholderFor(control.meta.help)));
    control.widgets.texts.append(box);
    makeClearButton(control);
    return box;
}

void addCheckGrid(QGridLayout* grid, int row, int column, ControlForm control, const QStringList& captions, int columns,
                  int first)
{
    for (int i = 0; i < captions.size(); ++i) {
        auto* box = new QCheckBox(captions[i]);
        box->setObjectName(indexedName(control.meta.key, first + i));
        styleCheckBox(box);
        grid->addWidget(box, row + i / columns, column + i % columns);
        control.widgets.checks.append(box);
    }
    makeClearButton(control);
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
