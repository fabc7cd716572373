#pragma once
// 使用教程: the guide, pages of our own compiled into the program, in a browser with
// back, forward and the contents. One window, made on first use; it opens at the section
// it is asked for and keeps its size from one start to the next.

#include <QWidget>

class QTextBrowser;

namespace shrink4 {

class GuideWindow : public QWidget {
    Q_OBJECT
public:
    explicit GuideWindow(QWidget* mainWindow);

    // Shows a section of the guide ("shapes.html#road"; see GuideSections.h).
    void showSection(const QString& section);
    // The section on show, as showSection takes it.
    QString section() const;

    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser = nullptr;
};

// Opens the owner's guide window at `section`, brought to the front.
GuideWindow* openGuide(QWidget* owner, const QString& section);

} // namespace shrink4
