#include "FileDrops.h"

#include "ui/widgets/FileDrop.h"
#include "ui/widgets/textbox/LineBox.h"

#include <QFileInfo>
#include <QMainWindow>
#include <QStatusBar>

namespace shrink4 {

namespace {

constexpr int kWordMs = 8000;

} // namespace

FileDrops::FileDrops(QMainWindow* window, const ConditionForm& form, std::function<void(const QString&)> openScheme)
    : QObject(window),
      m_window(window),
      m_openScheme(std::move(openScheme))
{
    new FileDropFilter(
        window,
        [this](const QString& path) {
            if (isSchemeFile(path))
                m_openScheme(path);
            else
                say(QStringLiteral("文本文件请拖到要填的条件框里；窗口上只能拖入方案文件（.json）"));
        },
        [this](const QString& word) { say(word); });
    // The boxes of one line (ranges, tolerances) take a number, not a file.
    for (const ControlWidgets& control : form.controls)
        for (TextBox* box : control.texts)
            if (!qobject_cast<LineBox*>(box))
                watchBox(box);
}

void FileDrops::watchBox(TextBox* box)
{
    new FileDropFilter(
        box->viewport(),
        [this, box](const QString& path) {
            if (isSchemeFile(path))
                m_openScheme(path);
            else
                fillBox(box, path);
        },
        [this](const QString& word) { say(word); });
}

void FileDrops::fillBox(TextBox* box, const QString& path)
{
    const DroppedText dropped = readDroppedText(path);
    if (!dropped.text) {
        say(dropped.problem);
        return;
    }
    box->replaceAll(*dropped.text);
    box->setFocus(Qt::OtherFocusReason);
    say(QStringLiteral("已把 %1 填入框中，按 Ctrl+Z 可撤销").arg(QFileInfo(path).fileName()));
}

void FileDrops::say(const QString& word)
{
    m_window->statusBar()->showMessage(word, kWordMs);
}

} // namespace shrink4
