#include "ControlRegistry.h"

#include "ControlNames.h"

#include <QAbstractButton>
#include <QCheckBox>
#include "textbox/LineBox.h"
#include <QWidget>

namespace shrink4 {

namespace {

// A wrong name is a fault of the window's own code, never of the user's input.
template <class T>
T* as(QWidget* w, const QString& name)
{
    auto* t = qobject_cast<T*>(w);
    if (!t)
        qFatal("control %s is missing or of another kind", qPrintable(name));
    return t;
}

} // namespace

void ControlRegistry::collect(QWidget* root)
{
    m_controls.clear();
    const auto children = root->findChildren<QWidget*>();
    for (QWidget* w : children)
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            m_controls.insert(w->objectName(), w);
}

QWidget* ControlRegistry::widget(const QString& name) const
{
    QWidget* w = m_controls.value(name);
    if (!w)
        qFatal("no control named %s", qPrintable(name));
    return w;
}

QWidget* ControlRegistry::widget(const QString& array, int index) const
{
    return widget(indexedName(array, index));
}

QCheckBox* ControlRegistry::check(const QString& array, int index) const
{
    return as<QCheckBox>(widget(array, index), array);
}

QAbstractButton* ControlRegistry::button(const QString& name) const
{
    return as<QAbstractButton>(widget(name), name);
}

QAbstractButton* ControlRegistry::button(const QString& array, int index) const
{
    return as<QAbstractButton>(widget(array, index), array);
}

LineBox* ControlRegistry::line(const QString& name) const
{
    return as<LineBox>(widget(name), name);
}

LineBox* ControlRegistry::line(const QString& array, int index) const
{
    return as<LineBox>(widget(array, index), array);
}

TextBox* ControlRegistry::multiLine(const QString& name) const
{
    return as<TextBox>(widget(name), name);
}

void ControlRegistry::setText(const QString& name, const QString& text) const
{
    QWidget* w = widget(name);
    // A line box is a text box too: ask for the narrower kind first.
    if (auto* line = qobject_cast<LineBox*>(w))
        line->setText(text);
    else
        as<TextBox>(w, name)->setPlainText(text);
}

} // namespace shrink4
