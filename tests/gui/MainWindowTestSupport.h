#pragma once
// Helpers shared by the main window tests: finding controls by name, answering the
// message boxes a handler opens, and one main() that runs every test class.

#include "ui/main/MainWindow.h"
#include "ui/widgets/textbox/LineBox.h"
#include "ui/widgets/textbox/TextBox.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QString>
#include <QTest>

#include <functional>
#include <memory>

class QFileDialog;

namespace shrink4::test {

template <class T>
T* control(QWidget* window, const QString& name)
{
    auto* w = window->findChild<T*>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}

inline QString arrayName(const char* array, int i)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(i);
}

QAbstractButton* button(QWidget* window, const QString& name);
QCheckBox* check(QWidget* window, const char* array, int i);
QString labelText(QWidget* window, const QString& name);
QStringList listItems(QWidget* window);
QList<int> selectedRows(QWidget* window);
void setPlainText(QWidget* window, const QString& name, const QString& text);
bool isSelectedDanButton(QWidget* window, const char* array, int i);

struct MessageBoxSeen {
    QString title;
    QString text;
    int count = 0;
    int icon = 0; // QMessageBox::Icon
};

// Closes every message box that opens while `action` runs, recording the last one.
MessageBoxSeen answerMessageBoxes(const std::function<void()>& action);

// Types `fileName` into a file dialog shown on `folder` and presses Return, as a person
// does. Return is posted: it may open a question, which the caller's poll has to answer.
void typeFileName(QFileDialog* dialog, const QString& folder, const QString& fileName);

// Drags `paths` from a file manager over the middle of `target` and lets go if the drag is
// accepted; returns whether it was.
bool dropFiles(QWidget* target, const QStringList& paths);

inline constexpr int kWaitForRunMs = 60000;

// The window as a user meets it, but for runs listed before the click returns.
std::unique_ptr<MainWindow> makeWindow();

using TestFactory = std::function<std::unique_ptr<QObject>()>;
bool registerTestClass(TestFactory factory);

} // namespace shrink4::test

#define SHRINK4_REGISTER_GUI_TEST(Class)                                                                               \
    static const bool registered##Class =                                                                              \
        shrink4::test::registerTestClass([] { return std::unique_ptr<QObject>(new Class); });
