#include "ControlRegistry.h"

#include "ControlNames.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
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

QLineEdit* ControlRegistry::line(const QString& name) const
{
    return as<QLineEdit>(widget(name), name);
}

QLineEdit* ControlRegistry::line(const QString& array, int index) const
{
    return as<QLineEdit>(widget(array, index), array);
}

QPlainTextEdit* ControlRegistry::multiLine(const QString& name) const
{
    return as<QPlainTextEdit>(widget(name), name);
}

void ControlRegistry::setText(const QString& name, const QString& text) const
{
    QWidget* w = widget(name);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(w))
        edit->setPlainText(text);
    else
        as<QLineEdit>(w, name)->setText(text);
}

} // namespace shrink4
