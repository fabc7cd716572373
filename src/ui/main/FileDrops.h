#pragma once
// Files dropped on the main window: a scheme opens as 打开方案 opens it, a text file
// dropped on a condition box fills that box, anything else is refused in the status bar.

#include "ui/main/ConditionForm.h"

#include <QObject>

#include <functional>

class QMainWindow;

namespace shrink4 {

class TextBox;

class FileDrops : public QObject {
    Q_OBJECT
public:
    FileDrops(QMainWindow* window, const ConditionForm& form, std::function<void(const QString&)> openScheme);

private:
    void watchBox(TextBox* box);
    void fillBox(TextBox* box, const QString& path);
    void say(const QString& word);

    QMainWindow* m_window;
    std::function<void(const QString&)> m_openScheme;
};

} // namespace shrink4
