// Money in the window, driven as a player drives it: 方案 → 奖金设置 refuses a table that
// cannot be used and says why, refuses a bad table file whole, saves one, and keeps the table
// it is given for the next window; the line under 最后注数 says what the list costs and
// returns, and 详情 gives every figure of the odds.

#include "MainWindowTestSupport.h"

#include "scheme/PrizeTableFile.h"
#include "ui/application/PrizeSetting.h"
#include "ui/application/Settings.h"
#include "ui/money/PrizeTableDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

using namespace shrink4;
using namespace shrink4::test;

namespace {

// The line as one line: the window breaks it after the cost.
QString moneyLine(QWidget* window)
{
    return labelText(window, QStringLiteral("L_money")).remove(QLatin1Char('\n'));
}

QString fault(QWidget* dialog)
{
    return labelText(dialog, QStringLiteral("prize_fault"));
}

QString focusName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// As an input method hands over what was typed: Chinese has no keys of its own.
void typeChinese(QWidget* widget, const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(widget, &event);
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the dialog showed on the way, read after it has closed.
struct Seen {
    QString priceFault;
    QString priceFocus;
    QString positionsFault;
    QString positionsFocus;
    QString refusal;       // the message over a bad file
    QString nameAfterBad;  // the name still on screen after it
    bool accepted = false; // OK closed the dialog
};

} // namespace

class MoneyTest : public QObject {
    Q_OBJECT

    // Every test starts from the example, as a first start does.
private slots:
    void init() { Settings().setPrizeTable(examplePrizeTable()); }
    void cleanup() { Settings().setPrizeTable(examplePrizeTable()); }

    // One number, 1234, by the example table: 直选 on one draw (10000), 后三 on nine
    // (1000 each), 组选 on the 23 other orders (400 each): 2.82 元 for 2 元.
    void theCostLineSaysWhatTheListCostsAndReturns()
    {
        auto w = makeWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QCOMPARE(moneyLine(w.get()), QStringLiteral("共 0 注"));
        QVERIFY(!button(w.get(), QStringLiteral("C_money_details"))->isEnabled());

        auto* pool = control<TextBox>(w.get(), QStringLiteral("T_dadi_nb"));
        QTest::mouseClick(pool->viewport(), Qt::LeftButton, {}, QPoint(4, 4));
        QTest::keyClicks(pool, QStringLiteral("1234"));
        QTest::keyClick(w.get(), Qt::Key_F5);
        QCOMPARE(labelText(w.get(), QStringLiteral("dadi_zhushu")), QStringLiteral("1"));
        QCOMPARE(moneyLine(w.get()), QStringLiteral("共 1 注，2 元；期望回报 2.82 元（141.0%）"));

        QTest::mouseClick(button(w.get(), QStringLiteral("C_money_details")), Qt::LeftButton);
        auto* odds = control<QDialog>(w.get(), QStringLiteral("Fodds"));
        QVERIFY(QTest::qWaitForWindowExposed(odds));
        QCOMPARE(labelText(odds, QStringLiteral("odds_tickets")), QStringLiteral("1"));
        QCOMPARE(labelText(odds, QStringLiteral("odds_cost")), QStringLiteral("2 元"));
        QVERIFY(labelText(odds, QStringLiteral("odds_return")).startsWith(QStringLiteral("2.82 元，是花费的 141.0%")));
        // It pays something on 1 + 9 + 23 draws, and at least the 2 元 on each of them.
        QVERIFY(labelText(odds, QStringLiteral("odds_any_prize")).startsWith(QStringLiteral("33 注（0.33%）")));
        QVERIFY(labelText(odds, QStringLiteral("odds_cost_back")).startsWith(QStringLiteral("33 注（0.33%）")));
        auto* tiers = control<QTableWidget>(odds, QStringLiteral("odds_tiers"));
        QCOMPARE(tiers->rowCount(), 3);
        const QStringList won = {QStringLiteral("1 注（0.01%）"), QStringLiteral("9 注（0.09%）"),
                                 QStringLiteral("23 注（0.23%）")};
        const QStringList expected = {QStringLiteral("1 元"), QStringLiteral("0.90 元"), QStringLiteral("0.92 元")};
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(tiers->item(row, 3)->text(), won.at(row));
            QCOMPARE(tiers->item(row, 4)->text(), expected.at(row));
        }
        // 组选 pays by the orders a number has: the plain line says what conditions can and
        // cannot do, with the range a ticket's return lies in.
        const QString plain = labelText(odds, QStringLiteral("odds_plain"));
        QVERIFY2(plain.startsWith(QStringLiteral("条件只改变买哪些号")), qPrintable(plain));
        QVERIFY2(plain.contains(QStringLiteral("1.90 元（95.0%）（如 0000）到 2.82 元（141.0%）（如 0123）")),
                 qPrintable(plain));

        // A table that pays every number alike: the line and the open figures follow it.
        w->prizes().set({"只买直选", 2, "元", {{"直选", PrizeMatch::exact, 0, 10000}}});
        QCOMPARE(moneyLine(w.get()), QStringLiteral("共 1 注，2 元；期望回报 1 元（50.0%）"));
        QVERIFY2(
            labelText(odds, QStringLiteral("odds_plain"))
                .startsWith(QStringLiteral("条件只改变买哪些号，不改变回报率：按这张奖金表，每注的期望回报都一样，是 1 "
                                           "元（50.0%）")),
            qPrintable(labelText(odds, QStringLiteral("odds_plain"))));
        odds->close();
    }

    // Typed and clicked in 奖金设置: a price of 0 and a 定位 tier without a position are
    // refused by name, with the cursor put where the fault is; a bad file changes nothing;
    // 另存为 writes the table; OK keeps it for the next window. A kept value that no longer
    // reads gives the example.
    void prizeSettingsRefuseAFaultAndKeepTheTable()
    {
        QTemporaryDir folder;
        const QString bad = folder.filePath(QStringLiteral("bad.json"));
        QVERIFY(writeFile(bad, R"({"shrink4-prizes": 1, "price": 2, "tiers": []})"));
        auto w = makeWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));

        Seen seen;
        int step = 0; // 0 editing, 1 opening the bad file, 2 saving, 3 done
        QPointer<QFileDialog> typedInto;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                seen.refusal = box->text();
                box->button(QMessageBox::Ok)->click();
                return;
            }
            if (auto* files = qobject_cast<QFileDialog*>(modal)) {
                if (files != typedInto) {
                    typedInto = files;
                    typeFileName(files, folder.path(), step == 1 ? QStringLiteral("bad.json") : QStringLiteral("mine"));
                }
                return;
            }
            auto* dialog = qobject_cast<PrizeTableDialog*>(modal);
            if (!dialog)
                return;
            if (step == 0) {
                step = 1;
                auto* price = control<QLineEdit>(dialog, QStringLiteral("prize_price"));
                QTest::mouseClick(price, Qt::LeftButton);
                QTest::keyClick(price, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(price, QStringLiteral("0"));
                QTest::keyClick(price, Qt::Key_Return); // 确定, refused
                seen.priceFault = fault(dialog);
                seen.priceFocus = focusName();
                QTest::keyClick(price, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(price, QStringLiteral("5"));

                // The third tier, 组选, made 定位 without a position.
                auto* match = control<QComboBox>(dialog, QStringLiteral("prize_tier_match(2)"));
                match->setFocus();
                QTest::keyClick(match, Qt::Key_Up);
                QTest::mouseClick(control<QPushButton>(dialog, QStringLiteral("prize_ok")), Qt::LeftButton);
                seen.positionsFault = fault(dialog);
                seen.positionsFocus = focusName();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // 千 ticked

                QTest::mouseClick(control<QToolButton>(dialog, QStringLiteral("prize_remove(1)")), Qt::LeftButton);
                auto* name = control<QLineEdit>(dialog, QStringLiteral("prize_table_name"));
                QTest::mouseClick(name, Qt::LeftButton);
                QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
                typeChinese(name, QStringLiteral("我的表"));
                QTest::mouseClick(control<QPushButton>(dialog, QStringLiteral("prize_add")), Qt::LeftButton);
                typeChinese(QApplication::focusWidget(), QStringLiteral("安慰奖"));
                QTimer::singleShot(0, dialog, [dialog] {
                    QTest::mouseClick(control<QPushButton>(dialog, QStringLiteral("prize_open")), Qt::LeftButton);
                });
            } else if (step == 1 && !seen.refusal.isEmpty()) {
                step = 2;
                seen.nameAfterBad = control<QLineEdit>(dialog, QStringLiteral("prize_table_name"))->text();
                QTimer::singleShot(0, dialog, [dialog] {
                    QTest::mouseClick(control<QPushButton>(dialog, QStringLiteral("prize_save_as")), Qt::LeftButton);
                });
            } else if (step == 2 && QFile::exists(folder.filePath(QStringLiteral("mine.json")))) {
                step = 3;
                QTest::mouseClick(control<QPushButton>(dialog, QStringLiteral("prize_ok")), Qt::LeftButton);
                seen.accepted = !dialog->isVisible();
            }
        });
        poll.start();
        QTest::keyClick(w.get(), Qt::Key_F, Qt::AltModifier); // 方案(&F)
        QMenu* menu = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())), 5000);
        QTest::keyClick(menu, Qt::Key_J); // 奖金设置(&J)，returns when the dialog closes
        poll.stop();

        QCOMPARE(seen.priceFault, QStringLiteral("每注价格要大于 0。"));
        QCOMPARE(seen.priceFocus, QStringLiteral("prize_price"));
        QCOMPARE(seen.positionsFault,
                 QStringLiteral("第 3 个奖级（组选）是定位，至少要勾一个位置（千、百、十、个）。"));
        QCOMPARE(seen.positionsFocus, QStringLiteral("prize_tier_pos1(2)"));
        QVERIFY2(seen.refusal.contains(QStringLiteral("奖金表文件有误：奖级（tiers）要有 1 到 20 个")),
                 qPrintable(seen.refusal));
        QCOMPARE(seen.nameAfterBad, QStringLiteral("我的表"));
        QVERIFY(seen.accepted);

        const PrizeTable mine{"我的表",
                              5,
                              "元",
                              {{"直选", PrizeMatch::exact, 0, 10000},
                               {"组选", PrizeMatch::positions, 0b0001, 400},
                               {"安慰奖", PrizeMatch::exact, 0, 0}}};
        QCOMPARE(serializePrizeTable(w->prizes().table()), serializePrizeTable(mine));
        const PrizeTableReading saved = parsePrizeTable(fileBytes(folder.filePath(QStringLiteral("mine.json"))));
        QVERIFY2(saved.table, qPrintable(saved.error));
        QCOMPARE(serializePrizeTable(*saved.table), serializePrizeTable(mine));

        w.reset();
        w = makeWindow();
        QCOMPARE(serializePrizeTable(w->prizes().table()), serializePrizeTable(mine));
        w.reset();
        QSettings().setValue(QStringLiteral("prizes/table"), QStringLiteral("{\"shrink4-prizes\": 1, \"price\": 0"));
        w = makeWindow();
        QCOMPARE(serializePrizeTable(w->prizes().table()), serializePrizeTable(examplePrizeTable()));
    }
};

SHRINK4_REGISTER_GUI_TEST(MoneyTest)
#include "MoneyTest.moc"
