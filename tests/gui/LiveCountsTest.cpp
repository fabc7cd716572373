// The live counts on the frames, the page tabs and the status bar as the player ticks and
// types, without pressing start; and the prize check saying why a number is not listed.

#include "MainWindowTestSupport.h"

#include "engine/Statistics.h"
#include "ui/main/FrameBadge.h"
#include "ui/main/PagedConditions.h"

#include <QApplication>
#include <QStatusBar>
#include <QTabWidget>

using namespace shrink4;
using namespace shrink4::test;

namespace {

QString frameCount(MainWindow& w, Frame frame)
{
    auto* badge = control<FrameBadge>(&w, QStringLiteral("L_frame_count(%1)").arg(int(frame)));
    return badge->isVisible() ? badge->fullText() : QString();
}

QString liveCount(MainWindow& w)
{
    return labelText(&w, QStringLiteral("L_live_count"));
}

QString survivors(int count)
{
    return QStringLiteral("实时注数：%1").arg(count);
}

// The survivors the engine gives for the conditions the window shows.
int engineCount(MainWindow& w)
{
    return runStatistics(filterRun(w.conditions())).count;
}

void clickCheck(MainWindow& w, const char* array, int i)
{
    QTest::mouseClick(check(&w, array, i), Qt::LeftButton, {}, QPoint(4, 4));
}

void typeInto(MainWindow& w, const QString& name, const QString& text)
{
    auto* box = control<TextBox>(&w, name);
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(4, 4));
    QTest::keyClicks(box, text);
}

// Replaces a one-line box's text by typing, as a double-click selects it.
void retype(MainWindow& w, const QString& name, const QString& text)
{
    auto* box = control<LineBox>(&w, name);
    QTest::mouseDClick(box->viewport(), Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
}

QString tabMark(MainWindow& w, int page)
{
    return w.pages().pageCount(page);
}

QString prizeReason(MainWindow& w)
{
    return control<QLabel>(&w, QStringLiteral("L_duijiang_why"))->toolTip();
}

} // namespace

class LiveCountsTest : public QObject {
    Q_OBJECT
private slots:
    void countsFollowTheConditionsWithoutStart()
    {
        auto w = makeWindow();
        const QSize size = w->size();
        QTRY_COMPARE(liveCount(*w), survivors(10000));
        QCOMPARE(frameCount(*w, Frame::SumSpanDan), QString());
        QCOMPARE(tabMark(*w, 0), QString());

        // No 9 anywhere leaves 9^4 numbers.
        clickCheck(*w, "Check_tsm_sha", 9);
        QTRY_COMPARE(frameCount(*w, Frame::SumSpanDan), QStringLiteral("杀 3439"));
        QCOMPARE(liveCount(*w), survivors(6561));
        // Two rows of one frame: the frame counts what either fails, which with no other
        // condition is everything the run removes.
        clickCheck(*w, "Check_hewei_sha", 0);
        QTRY_COMPARE(frameCount(*w, Frame::SumSpanDan), QStringLiteral("杀 %1").arg(10000 - engineCount(*w)));
        clickCheck(*w, "Check_hewei_sha", 0);
        QTRY_COMPARE(liveCount(*w), survivors(6561));

        typeInto(*w, QStringLiteral("T_main_shazhixuan"), QStringLiteral("1234 5679"));
        QTRY_COMPARE(tabMark(*w, 0), QStringLiteral("● 杀 2"));
        QCOMPARE(liveCount(*w), survivors(6560)); // 5679 was gone already
        QCOMPARE(tabMark(*w, 1), QString());

        // Failing one of the two rows is allowed now.
        retype(*w, arrayName("T_zong_rc", 1), QStringLiteral("1"));
        QTRY_COMPARE(liveCount(*w), survivors(engineCount(*w)));
        QCOMPARE(liveCount(*w), survivors(9999)); // only 5679 fails both

        typeInto(*w, QStringLiteral("T_dadi_nb"), QStringLiteral("0001 0002 0009"));
        QTRY_COMPARE(frameCount(*w, Frame::BasePool), QStringLiteral("杀 9997"));
        QCOMPARE(liveCount(*w), survivors(engineCount(*w)));

        // Start was never pressed: the list and its count are as they were.
        QCOMPARE(labelText(w.get(), QStringLiteral("dadi_zhushu")), QStringLiteral("0"));
        QVERIFY(listItems(w.get()).isEmpty());
        QCOMPARE(w->size(), size);

        QTest::mouseClick(button(w.get(), QStringLiteral("C_all_cls")), Qt::LeftButton);
        QTRY_COMPARE(liveCount(*w), survivors(10000));
        QCOMPARE(frameCount(*w, Frame::SumSpanDan), QString());
        QCOMPARE(frameCount(*w, Frame::BasePool), QString());
        QCOMPARE(tabMark(*w, 0), QString());
    }

    void everyFrameCountsWhatItsRowsRemove()
    {
        struct Case {
            const char* what;
            const char* array;
            int index;
            Frame frame;
            int removed;
        };
        // Counts a player can check by hand.
        const Case cases[] = {
            {"sum tail 0", "Check_hewei_sha", 0, Frame::SumSpanDan, 1000},
            {"a 0 in the thousands", "Check_hewei_sha1", 0, Frame::Positional, 1000},
            {"all big", "Check_shaxingtai_daxiao", 0, Frame::BigSmallShape, 625},
            {"all odd", "Check_shaxingtai_jo", 0, Frame::OddEvenShape, 625},
            {"quads", "Check_tebie_paichu", 0, Frame::SpecialExclusion, 10},
        };
        auto w = makeWindow();
        for (const Case& c : cases) {
            clickCheck(*w, c.array, c.index);
            QTRY_COMPARE(frameCount(*w, c.frame), QStringLiteral("杀 %1").arg(c.removed));
            QCOMPARE(liveCount(*w), survivors(engineCount(*w)));
        }
        QTest::mouseClick(control<QAbstractButton>(w.get(), arrayName("C_danzu", 7)), Qt::LeftButton);
        QTRY_VERIFY(!frameCount(*w, Frame::Dan).isEmpty());
        QCOMPARE(liveCount(*w), survivors(engineCount(*w)));
    }

    void theLiveRunLeavesTheBoxesAlone()
    {
        auto w = makeWindow();
        w->pages().showPage(2);
        typeInto(*w, QStringLiteral("T_main_sha_2ma"), QStringLiteral("21"));
        QTRY_VERIFY(!tabMark(*w, 2).isEmpty());
        // The start button writes the list back in its normal form; the live count must not.
        QCOMPARE(control<TextBox>(w.get(), QStringLiteral("T_main_sha_2ma"))->toPlainText(), QStringLiteral("21"));
    }

    void prizeCheckSaysWhyANumberIsNotListed()
    {
        struct Case {
            const char* drawn;
            const char* reason;
        };
        auto w = makeWindow();
        clickCheck(*w, "Check_hewei_sha", 0); // sum tail 0
        clickCheck(*w, "Check_tsm_sha", 4);   // no 4
        typeInto(*w, QStringLiteral("T_dadi_nb"), QStringLiteral("1234 1235 1236"));
        QTest::mouseClick(button(w.get(), QStringLiteral("C_guolv_ks")), Qt::LeftButton);
        const Case cases[] = {
            {"1234", "不符：杀和尾、通杀码"},
            {"5555", "不在大底；不符：杀和尾"},
            {"5556", "不在大底"},
            {"1235", ""}, // listed
            {"12", ""},
        };
        auto* box = control<LineBox>(w.get(), QStringLiteral("T_duijiang"));
        for (const Case& c : cases) {
            QTest::mouseDClick(box->viewport(), Qt::LeftButton);
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(box, QString::fromLatin1(c.drawn));
            QCOMPARE(prizeReason(*w), QString::fromUtf8(c.reason));
        }

        // Numbers inside the tolerance window only: failing nothing is outside it.
        retype(*w, arrayName("T_zong_rc", 0), QStringLiteral("1"));
        retype(*w, arrayName("T_zong_rc", 1), QStringLiteral("1"));
        QTest::mouseClick(button(w.get(), QStringLiteral("C_guolv_ks")), Qt::LeftButton);
        // The box keeps what was typed through the run.
        QCOMPARE(box->text(), QStringLiteral("12"));
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, QStringLiteral("1235"));
        QCOMPARE(labelText(w.get(), QStringLiteral("L_duijiang_news")), QStringLiteral("【没有中奖】"));
        QCOMPARE(prizeReason(*w), QStringLiteral("不符 0 项，在总容错外"));
        QTest::mouseClick(button(w.get(), QStringLiteral("C_all_cls")), Qt::LeftButton);
        QCOMPARE(prizeReason(*w), QString());
    }
};

SHRINK4_REGISTER_GUI_TEST(LiveCountsTest)
#include "LiveCountsTest.moc"
