// 使用教程: reached in one step from where the player is (a frame's help button, F1 in a
// frame or a tool window), and its pages hold every section and link the program names.

#include "MainWindowTestSupport.h"

#include "ui/guide/GuideSections.h"
#include "ui/guide/GuideWindow.h"
#include "ui/main/PagedConditions.h"
#include "ui/widgets/ToolWindows.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

#include <set>

using namespace shrink4;
using namespace shrink4::test;

namespace {

const QString kPages = QStringLiteral(":/guide/");

GuideWindow* guideOf(QWidget* window)
{
    const auto guides = window->findChildren<GuideWindow*>();
    return guides.size() == 1 ? guides.front() : nullptr;
}

// The anchors Qt found in the page on show, which are the ones a link can scroll to.
std::set<QString> anchorsShown(const QTextBrowser* browser)
{
    std::set<QString> anchors;
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            for (const QString& name : it.fragment().charFormat().anchorNames())
                anchors.insert(name);
    return anchors;
}

// True when `section` ("page.html#anchor") is a page of the guide that holds the anchor.
bool sectionExists(GuideWindow* guide, const QString& section)
{
    const QString page = section.section(QLatin1Char('#'), 0, 0);
    const QString anchor = section.section(QLatin1Char('#'), 1);
    if (!page.endsWith(QStringLiteral(".html")) || !QFile::exists(kPages + page))
        return false;
    guide->showSection(page);
    return anchor.isEmpty() || anchorsShown(guide->browser()).count(anchor) == 1;
}

// Clicks the help button, then 使用教程 in the message box it opens.
void openGuideFromHelp(QWidget* window, int topic)
{
    bool clicked = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && !clicked) {
            clicked = true;
            QTest::mouseClick(control<QAbstractButton>(box, QStringLiteral("help_guide")), Qt::LeftButton);
        }
    });
    poll.start();
    QTest::mouseClick(button(window, arrayName("C_teshu_sm", topic)), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(clicked, 5000);
}

QString pressF1In(QWidget* window, QWidget* focus)
{
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key_F1);
    GuideWindow* guide = guideOf(window);
    return guide && guide->isVisible() ? guide->section() : QStringLiteral("no guide window");
}

} // namespace

class GuideWindowTest : public QObject {
    Q_OBJECT

private slots:
    void helpButtonsOpenTheirSections()
    {
        auto window = makeWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QString expected[] = {QStringLiteral("shapes.html#special-shape"),
                                    QStringLiteral("shapes.html#special-exclusion"),
                                    QStringLiteral("conditions.html#dan")};
        for (int topic = 0; topic < 3; ++topic) {
            openGuideFromHelp(window.get(), topic);
            GuideWindow* guide = guideOf(window.get());
            QVERIFY(guide && guide->isVisible());
            QCOMPARE(guide->section(), expected[topic]);
        }
        // Scrolled to the section, not left at the top of its page.
        QVERIFY(guideOf(window.get())->browser()->verticalScrollBar()->value() > 0);
    }

    void f1OpensTheSectionOfWhereTheFocusIs()
    {
        auto window = makeWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QWidget* w = window.get();
        QCOMPARE(pressF1In(w, control<TextBox>(w, QStringLiteral("T_main_shazhixuan"))),
                 QStringLiteral("text-conditions.html#straight-kill"));
        window->pages().showPage(4);
        QCOMPARE(pressF1In(w, control<TextBox>(w, QStringLiteral("T_main_dw_sha"))),
                 QStringLiteral("text-conditions.html#positional-kill"));
        QCOMPARE(pressF1In(w, check(w, "Check_shaxingtai_daxiao", 3)), QStringLiteral("shapes.html#big-small"));
        QCOMPARE(pressF1In(w, control<TextBox>(w, QStringLiteral("T_zong_rc(1)"))),
                 QStringLiteral("conditions.html#tolerance"));
        QCOMPARE(pressF1In(w, control<QListWidget>(w, QStringLiteral("Li_out"))),
                 QStringLiteral("results.html#result"));
        QCOMPARE(pressF1In(w, button(w, QStringLiteral("C_guolv_ks"))), guide::kContents);

        // In a tool window, its own section; still the one guide window.
        QTest::mouseClick(button(w, QStringLiteral("C_jiaoji")), Qt::LeftButton);
        auto* sets = control<QWidget>(w, QStringLiteral("Fjiaoji"));
        QVERIFY(QTest::qWaitForWindowExposed(sets));
        QCOMPARE(pressF1In(w, sets->focusWidget() ? sets->focusWidget() : sets), guide::kSets);
        QCOMPARE(w->findChildren<GuideWindow*>().size(), 1);

        // 帮助 → 使用教程 starts at the contents, wherever the focus is.
        control<QAction>(w, QStringLiteral("action_guide"))->trigger();
        QCOMPARE(guideOf(w)->section(), guide::kContents);

        // Esc closes the guide and a tool window, as it closes a dialog.
        for (QWidget* tool : {static_cast<QWidget*>(guideOf(w)), sets}) {
            bringForward(tool);
            QApplication::setActiveWindow(tool); // the offscreen screen activates when it likes
            QTRY_COMPARE(QApplication::activeWindow(), tool);
            QTest::keyClick(tool->focusWidget() ? tool->focusWidget() : tool, Qt::Key_Escape);
            QTRY_VERIFY(!tool->isVisible());
        }
    }

    void keepsItsSizeFromOneStartToTheNext()
    {
        {
            auto window = makeWindow();
            GuideWindow* guide = openGuide(window.get(), guide::kContents);
            QVERIFY(QTest::qWaitForWindowExposed(guide));
            guide->resize(640, 480);
            guide->close();
        }
        auto window = makeWindow();
        GuideWindow* guide = openGuide(window.get(), guide::kContents);
        QCOMPARE(guide->size(), QSize(640, 480));
    }

    void everyFrameAndPageHasItsSection()
    {
        auto window = makeWindow();
        GuideWindow* guide = openGuide(window.get(), guide::kContents);
        for (int f = 0; f < kFrameCount; ++f)
            QVERIFY2(sectionExists(guide, guide::frameSection(Frame(f))), qPrintable(guide::frameSection(Frame(f))));
        for (int page = 0; page < 5; ++page)
            QVERIFY2(sectionExists(guide, guide::pageSection(page)), qPrintable(guide::pageSection(page)));
        for (const QString& s : {guide::kResult, guide::kMoney, guide::kPrizeCheck, guide::kTools, guide::kStats,
                                 guide::kHistory, guide::kSplice, guide::kSets})
            QVERIFY2(sectionExists(guide, s), qPrintable(s));
    }

    void everyLinkAndImageOfThePagesResolves()
    {
        auto window = makeWindow();
        GuideWindow* guide = openGuide(window.get(), guide::kContents);
        static const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
        const QStringList pages = QDir(kPages).entryList({QStringLiteral("*.html")});
        QVERIFY(pages.size() >= 6);
        for (const QString& page : pages) {
            QFile file(kPages + page);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(file.readAll());
            for (const auto& match : reference.globalMatch(html)) {
                QString target = match.captured(1);
                if (target.startsWith(QLatin1Char('#')))
                    target.prepend(page);
                const QString where = page + QStringLiteral(" → ") + target;
                QVERIFY2(!target.contains(QStringLiteral("://")), qPrintable(where)); // the guide works offline
                if (target.endsWith(QStringLiteral(".png")))
                    QVERIFY2(!QImage(kPages + target).isNull(), qPrintable(where));
                else if (target.section(QLatin1Char('#'), 0, 0).endsWith(QStringLiteral(".html")))
                    QVERIFY2(sectionExists(guide, target), qPrintable(where));
                else
                    QVERIFY2(QFile::exists(kPages + target), qPrintable(where)); // the style sheet
            }
        }
    }
};

SHRINK4_REGISTER_GUI_TEST(GuideWindowTest)

#include "GuideWindowTest.moc"
