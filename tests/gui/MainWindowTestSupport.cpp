#include "MainWindowTestSupport.h"

#include "ui/main/RunController.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTest>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include <vector>

namespace shrink4::test {

QAbstractButton* button(QWidget* window, const QString& name)
{
    return control<QAbstractButton>(window, name);
}

QCheckBox* check(QWidget* window, const char* array, int i)
{
    return control<QCheckBox>(window, arrayName(array, i));
}

QString labelText(QWidget* window, const QString& name)
{
    return control<QLabel>(window, name)->text();
}

QStringList listItems(QWidget* window)
{
    auto* list = control<QListWidget>(window, QStringLiteral("Li_out"));
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

QList<int> selectedRows(QWidget* window)
{
    auto* list = control<QListWidget>(window, QStringLiteral("Li_out"));
    QList<int> rows;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected())
            rows << i;
    return rows;
}

void setPlainText(QWidget* window, const QString& name, const QString& text)
{
    control<TextBox>(window, name)->setPlainText(text);
}

bool isSelectedDanButton(QWidget* window, const char* array, int i)
{
    return control<QAbstractButton>(window, arrayName(array, i))->isChecked();
}

MessageBoxSeen answerMessageBoxes(const std::function<void()>& action)
{
    MessageBoxSeen seen;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&seen] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen.title = box->windowTitle();
            seen.text = box->text();
            seen.icon = box->icon();
            ++seen.count;
            if (QAbstractButton* ok = box->button(QMessageBox::Ok))
                ok->click();
            else
                box->close();
        }
    });
    poll.start();
    action();
    poll.stop();
    return seen;
}

void typeFileName(QFileDialog* dialog, const QString& folder, const QString& fileName)
{
    dialog->setDirectory(folder);
    // The folder is listed in the background; once listed the dialog selects again the
    // file it was opened on, over anything typed before.
    QTest::qWait(300);
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    // Typed with the focus: the dialog then lets go of the file it was opened on.
    name->setFocus();
    name->clear();
    QTest::keyClicks(name, fileName);
    QTimer::singleShot(0, name, [name] { QTest::keyClick(name, Qt::Key_Return); });
}

bool dropFiles(QWidget* target, const QStringList& paths)
{
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    mime.setUrls(urls);
    const QPointF middle = QRectF(target->rect()).center();
    QDragEnterEvent enter(middle.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(middle, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

std::unique_ptr<MainWindow> makeWindow()
{
    auto window = std::make_unique<MainWindow>();
    // Runs are listed before the click returns, however busy the machine: the tests of
    // long runs hold them on purpose and set this back.
    window->runner().setListAtOnceWithin(kWaitForRunMs);
    window->show();
    return window;
}

namespace {

std::vector<TestFactory>& factories()
{
    static std::vector<TestFactory> all;
    return all;
}

} // namespace

bool registerTestClass(TestFactory factory)
{
    factories().push_back(std::move(factory));
    return true;
}

} // namespace shrink4::test

int main(int argc, char* argv[])
{
    // Nothing a test keeps may reach the data folder of a real installation.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    int failures = 0;
    for (const auto& make : shrink4::test::factories()) {
        const std::unique_ptr<QObject> testObject = make();
        failures += QTest::qExec(testObject.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
