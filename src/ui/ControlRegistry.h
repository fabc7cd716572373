#pragma once
// Finds the window's controls by their names, once, so that bindings and routines can
// address "Check_hewei_sha1(23)" as the rest of the program speaks of it.

#include <QHash>
#include <QString>

class QWidget;
class QAbstractButton;
class QCheckBox;

namespace shrink4 {

class LineBox;
class TextBox;

class ControlRegistry {
public:
    // Indexes every named descendant of root.
    void collect(QWidget* root);

    QWidget* widget(const QString& name) const;
    QWidget* widget(const QString& array, int index) const;

    QCheckBox* check(const QString& array, int index) const;
    QAbstractButton* button(const QString& name) const;
    QAbstractButton* button(const QString& array, int index) const;
    LineBox* line(const QString& name) const;
    LineBox* line(const QString& array, int index) const;
    TextBox* multiLine(const QString& name) const;

    // Sets a text box of either kind.
    void setText(const QString& name, const QString& text) const;

private:
    QHash<QString, QWidget*> m_controls;
};

} // namespace shrink4
