// The main window from the keyboard alone: where the focus starts and how it moves, every
// key of the table doing what the table says, the menus and buttons under Alt, and 找号.

#include "MainWindowTestSupport.h"

#include "ui/application/Shortcuts.h"
#include "ui/guide/GuideWindow.h"
#include "ui/main/PagedConditions.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>

#include <set>

using namespace shrink4;
using namespace shrink4::test;

namespace {

QString focusName()
{
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("<none>");
}

void press(QKeyCombination key)
{
    QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
}

// The letter after '&' in a caption, upper case; none when it has no mnemonic.
QChar mnemonic(const QString& caption)
{
    const qsizetype at = caption.indexOf(QLatin1Char('&'));
    return at >= 0 && at + 1 < caption.size() ? caption.at(at + 1).toUpper() : QChar();
}

// The rows with a number beginning with `start`.
QStringList resultRowsWith(MainWindow& w, const QString& start)
{
    QStringList rows;
    for (const QString& row : listItems(&w))
        for (const QString& number : row.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            if (number.startsWith(start)) {
                rows << row;
                break;
            }
    return rows;
}

} // namespace

class MainWindowKeysTest : public QObject {
    Q_OBJECT
private slots:
    // Tab walks the conditions, then the result column in the order it is read; F6 jumps
    // between the conditions, the result and the prize check, and back to where it left.
    void tabAndF6ReachEveryArea()
    {
        auto w = makeWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QCOMPARE(focusName(), QStringLiteral("T_main_shazhixuan"));

        QStringList walked;
        for (int i = 0; i < 400 && focusName() != QStringLiteral("Li_out"); ++i) {
            walked << focusName();
            press(Qt::Key_Tab);
        }
        QCOMPARE(focusName(), QStringLiteral("Li_out"));
        // Down the text column, then the digit frames, the shapes, and the start button
        // just before the list.
        QVERIFY(walked.indexOf(QStringLiteral("T_dadi_nb")) > 0);
        QVERIFY(walked.indexOf(QStringLiteral("T_dadi_nb")) < walked.indexOf(QStringLiteral("Check_ac_sha(0)")));
        QCOMPARE(walked.constLast(), QStringLiteral("C_guolv_ks"));
        press(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("T_duijiang"));
        press(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("C_copy"));

        // From the first box, one F6 reaches the result.
        control<TextBox>(w.get(), QStringLiteral("T_dadi_nb"))->setFocus();
        press(Qt::Key_F6);
        QCOMPARE(focusName(), QStringLiteral("Li_out"));
        press(Qt::Key_F6);
        QCOMPARE(focusName(), QStringLiteral("T_duijiang"));
        press(Qt::Key_F6);
        QCOMPARE(focusName(), QStringLiteral("T_dadi_nb")); // where the conditions were left
        press(Qt::SHIFT | Qt::Key_F6);
        QCOMPARE(focusName(), QStringLiteral("T_duijiang"));
        button(w.get(), QStringLiteral("C_copy"))->setFocus();
        press(Qt::Key_F6);
        QCOMPARE(focusName(), QStringLiteral("T_dadi_nb"));
    }

    // The window's keys, pressed: each menu action fires on its keys from the table (its
    // handler set aside, so no dialog opens), the others do what they say.
    void everyKeyDoesWhatTheTableSays()
    {
        auto w = makeWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        const struct {
            const char* action;
            keys::Command command;
        } actions[] = {
            {"action_new_scheme", keys::Command::NewScheme},
            {"action_open_scheme", keys::Command::OpenScheme},
            {"action_save_scheme", keys::Command::SaveScheme},
            {"action_save_scheme_as", keys::Command::SaveSchemeAs},
            {"action_export_result", keys::Command::ExportResult},
            {"action_print", keys::Command::Print},
            {"action_quit", keys::Command::Quit},
        };
        for (const auto& a : actions) {
            auto* action = control<QAction>(w.get(), QString::fromLatin1(a.action));
            QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
            int fired = 0;
            QObject::connect(action, &QAction::triggered, [&fired] { ++fired; });
            for (const QKeySequence& key : keys::keysOf(a.command)) {
                QVERIFY2(!key.isEmpty(), a.action);
                press(key[0]);
            }
            QVERIFY2(fired == int(keys::keysOf(a.command).size()), a.action);
        }

        // F5 runs.
        setPlainText(w.get(), QStringLiteral("T_dadi_nb"), QStringLiteral("0001 0002 0003"));
        QTest::keyClick(w.get(), Qt::Key_F5);
        QCOMPARE(labelText(w.get(), QStringLiteral("dadi_zhushu")), QStringLiteral("3"));

        // Pages turn both ways and both keys, typing going on in the page turned to.
        control<TextBox>(w.get(), QStringLiteral("T_main_shazhixuan"))->setFocus();
        press(Qt::CTRL | Qt::Key_PageDown);
        QCOMPARE(w->pages().currentIndex(), 1);
        QCOMPARE(focusName(), QStringLiteral("T_main_laji_fushi"));
        press(Qt::CTRL | Qt::Key_Tab);
        QCOMPARE(w->pages().currentIndex(), 2);
        press(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab);
        QCOMPARE(w->pages().currentIndex(), 1);
        press(Qt::CTRL | Qt::Key_PageUp);
        press(Qt::CTRL | Qt::Key_PageUp);
        QCOMPARE(w->pages().currentIndex(), 4); // round from the first
        QCOMPARE(focusName(), QStringLiteral("T_main_dw_sha"));

        press(Qt::CTRL | Qt::Key_F);
        QCOMPARE(focusName(), QStringLiteral("result_find_number"));
        press(Qt::Key_Escape);
        QCOMPARE(focusName(), QStringLiteral("Li_out"));
        QVERIFY(control<QWidget>(w.get(), QStringLiteral("result_find"))->isHidden());

        press(Qt::Key_F1);
        auto* guide = w->findChild<GuideWindow*>();
        QVERIFY(guide && guide->isVisible());
        guide->close();
    }

    // No key or Alt letter does two things; every menu and main button has a letter; 帮助 → 快捷键 and the guide list every key the window binds.
    void keysAreListedAndUnambiguous()
    {
        std::set<QKeySequence> bound;
        for (const keys::Binding& b : keys::bindings())
            for (const QKeySequence& key : b.keys)
                QVERIFY2(bound.insert(key).second, qPrintable(key.toString()));

        auto w = makeWindow();
        std::set<QChar> letters;
        for (QAction* menu : w->menuBar()->actions()) {
            QVERIFY2(letters.insert(mnemonic(menu->text())).second, qPrintable(menu->text()));
            // 撤销 and 重做 carry the name of the step, and no letter.
            std::set<QChar> items;
            for (QAction* item : menu->menu()->actions())
                if (const QChar letter = mnemonic(item->text()); !letter.isNull())
                    QVERIFY2(items.insert(letter).second, qPrintable(item->text()));
        }
        for (const char* name : {"C_guolv_ks", "C_copy", "C_guolv_zhuan_zuxuan", "C_all_cls", "C_jiaoji",
                                 "C_pinjie_tool", "C_daochu", "C_money_details"})
            QVERIFY2(letters.insert(mnemonic(button(w.get(), QString::fromLatin1(name))->text())).second, name);
        QVERIFY(!letters.count(QChar()));

        QStringList listed;
        QTimer::singleShot(0, [&listed] {
            auto* table = QApplication::activeModalWidget()->findChild<QTableWidget*>();
            for (int row = 0; table && row < table->rowCount(); ++row)
                listed << table->item(row, 0)->text();
            QApplication::activeModalWidget()->close();
        });
        control<QAction>(w.get(), QStringLiteral("action_shortcuts"))->trigger();
        GuideWindow* guide = openGuide(w.get(), QStringLiteral("start.html#keys"));
        const QString page = guide->browser()->toPlainText();
        for (const keys::Binding& b : keys::bindings()) {
            QVERIFY2(listed.contains(keys::keysText(b.keys)), qPrintable(b.what));
            QVERIFY2(page.contains(keys::keysText(b.keys)), qPrintable(b.what));
        }
        guide->close();
    }

    // 找号 selects the row of the number typed, as it is typed; Return goes on to the next
    // row holding it; an absent number says so.
    void findSelectsTheRowOfANumber()
    {
        auto w = makeWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QString pool;
        for (int n = 0; n < 3000; n += 3)
            pool += QStringLiteral("%1 ").arg(n, 4, 10, QLatin1Char('0'));
        setPlainText(w.get(), QStringLiteral("T_dadi_nb"), pool);
        QTest::keyClick(w.get(), Qt::Key_F5);
        auto* list = control<QListWidget>(w.get(), QStringLiteral("Li_out"));
        QVERIFY(list->count() > 100);

        press(Qt::CTRL | Qt::Key_F);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2997"));
        QCOMPARE(list->selectedItems().size(), 1);
        QVERIFY(list->currentItem()->text().contains(QStringLiteral("2997")));
        QVERIFY(list->visualItemRect(list->currentItem()).intersects(list->viewport()->rect()));
        QCOMPARE(labelText(w.get(), QStringLiteral("result_find_state")), QString());

        auto* edit = control<QLineEdit>(w.get(), QStringLiteral("result_find_number"));
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("12"));
        const QStringList with12 = resultRowsWith(*w, QStringLiteral("12"));
        QCOMPARE(list->currentItem()->text(), with12.at(0));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(list->currentItem()->text(), with12.at(1));

        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("0001"));
        QCOMPARE(labelText(w.get(), QStringLiteral("result_find_state")), QStringLiteral("没有找到"));
    }
};

SHRINK4_REGISTER_GUI_TEST(MainWindowKeysTest)

#include "MainWindowKeysTest.moc"
