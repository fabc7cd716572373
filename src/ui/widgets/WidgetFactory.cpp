#include "WidgetFactory.h"

#include "ui/widgets/QtText.h"
#include "ui/widgets/WindowStyle.h"
#include "ui/widgets/textbox/LineBox.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace shrink4 {

QGroupBox* makeFrame(const QString& title)
{
    return new QGroupBox(title);
}

void compactFrameLayout(QLayout* layout)
{
    layout->setContentsMargins(6, 2, 6, 4);
    layout->setSpacing(2);
}

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QPushButton* makeSmallButton(const QString& name, const QString& caption, QWidget* parent)
{
    QPushButton* b = makeButton(name, caption, parent);
    const QFontMetrics fm(b->font());
    b->setFixedWidth(fm.horizontalAdvance(caption) + 12);
    return b;
}

QLabel* makeLabel(const QString& caption, QWidget* parent)
{
    return new QLabel(caption, parent);
}

LineBox* makeLine(const QString& name, const QString& text, QWidget* parent)
{
    auto* e = new LineBox(parent);
    e->setText(text);
    e->setObjectName(name);
    return e;
}

} // namespace shrink4
