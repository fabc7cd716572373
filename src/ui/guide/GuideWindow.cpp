#include "GuideWindow.h"

#include "ui/application/Shortcuts.h"
#include "ui/guide/GuideSections.h"
#include "ui/widgets/ScreenFit.h"
#include "ui/widgets/ToolWindows.h"

#include <QAction>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

namespace shrink4 {

namespace {

const QString kRoot = QStringLiteral("qrc:/guide/");
// Read outside the program (the installed pages), the marker says where the keys are.
const QString kKeysMarker = QStringLiteral("<p class=\"keys\">按键表见程序的【帮助】→【快捷键】。</p>");

// The pages hold a marker where the table of keys goes, so that the guide lists the keys
// the window binds, from the same table.
class GuideBrowser : public QTextBrowser {
public:
    QVariant loadResource(int type, const QUrl& name) override
    {
        QVariant page = QTextBrowser::loadResource(type, name);
        if (type != QTextDocument::HtmlResource)
            return page;
        QString html = page.typeId() == QMetaType::QByteArray ? QString::fromUtf8(page.toByteArray()) : page.toString();
        if (!html.contains(kKeysMarker))
            return page;
        return html.replace(kKeysMarker, keys::tableHtml());
    }
};

QAction* addNavigation(QToolBar* bar, QStyle::StandardPixmap icon, const QString& caption, const QKeySequence& key)
{
    QAction* action = bar->addAction(bar->style()->standardIcon(icon), caption);
    action->setShortcut(key);
    action->setToolTip(QStringLiteral("%1（%2）").arg(caption, key.toString(QKeySequence::NativeText)));
    return action;
}

} // namespace

GuideWindow::GuideWindow(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window)
{
    setObjectName(QStringLiteral("guide_window"));
    setWindowTitle(QStringLiteral("四星缩水使用教程"));
    setProperty(guide::kSectionProperty, guide::kContents);

    m_browser = new GuideBrowser;
    m_browser->setObjectName(QStringLiteral("guide_browser"));
    m_browser->setOpenExternalLinks(true);

    auto* bar = new QToolBar;
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* back = addNavigation(bar, QStyle::SP_ArrowBack, QStringLiteral("后退"), QKeySequence::Back);
    QAction* forward = addNavigation(bar, QStyle::SP_ArrowForward, QStringLiteral("前进"), QKeySequence::Forward);
    QAction* home =
        addNavigation(bar, QStyle::SP_DirHomeIcon, QStringLiteral("目录"), QKeySequence(Qt::ALT | Qt::Key_Home));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(home, &QAction::triggered, this, [this] { showSection(guide::kContents); });
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_browser, 1);

    // Wide enough for a table of a section beside the main window. Where it opens, and at
    // what size later, is kept as for every tool window.
    const int em = fontMetrics().averageCharWidth();
    resize(fittedWindowSize(this, QSize(em * 130, em * 100)));
}

void GuideWindow::showSection(const QString& section)
{
    m_browser->setSource(QUrl(kRoot + section));
}

QString GuideWindow::section() const
{
    return m_browser->source().toString().remove(kRoot);
}

GuideWindow* openGuide(QWidget* owner, const QString& section)
{
    GuideWindow* window = showToolWindow<GuideWindow>(owner);
    window->showSection(section);
    return window;
}

} // namespace shrink4
