// The text boxes: the line index and the row wrapping checked against a recomputation
// from the text alone, editing through real key and mouse events, the single-line box,
// and a ten-megabyte text; input methods, accessibility, the shared width tables and the
// undo history's runs and budget.

#include "ui/widgets/ClearOnDoubleClickEdit.h"
#include "ui/widgets/textbox/LineBox.h"
#include "ui/widgets/textbox/RowLayout.h"
#include "ui/widgets/textbox/TextBox.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextCharFormat>
#include <QtTest>

#include <memory>
#include <random>

// Qt passes accessibility events on only while its platform accessibility is active, which
// it turns on when an assistive technology asks, and the offscreen platform never does.
// The switch is Qt's private API, declared here as Qt exports it.
class QPlatformAccessibility {
public:
    void setActive(bool active);
};
class QPlatformIntegration {
public:
    QPlatformAccessibility* accessibility() const;
};
class QGuiApplicationPrivate {
public:
    static QPlatformIntegration* platform_integration;
};

using namespace shrink4;
using namespace Qt::StringLiterals;

namespace {

bool isHangingSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == QChar::LineSeparator;
}

// Compares `lines` and `layout` with what the text alone says they should be. Returns
// the first difference found, or an empty string.
QString layoutFault(const TextLines& lines, const RowLayout& layout, const CharAdvances& advances, qreal width)
{
    const QString& text = lines.text();
    std::vector<int> starts{0};
    for (int i = 0; i < text.size(); ++i)
        if (text[i] == u'\n')
            starts.push_back(i + 1);
    const int lineCount = int(starts.size());
    if (lines.lineCount() != lineCount)
        return QStringLiteral("line count %1, expected %2").arg(lines.lineCount()).arg(lineCount);
    for (int line = 0; line < lineCount; ++line) {
        const int end = line + 1 < lineCount ? starts[std::size_t(line) + 1] - 1 : int(text.size());
        if (lines.lineStart(line) != starts[std::size_t(line)] || lines.lineEnd(line) != end)
            return QStringLiteral("line %1 spans [%2, %3)")
                .arg(line)
                .arg(lines.lineStart(line))
                .arg(lines.lineEnd(line));
    }
    for (int p = 0, line = 0; p <= text.size(); ++p) {
        while (line + 1 < lineCount && starts[std::size_t(line) + 1] <= p)
            ++line;
        if (lines.lineOf(p) != line)
            return QStringLiteral("lineOf(%1) = %2, expected %3").arg(p).arg(lines.lineOf(p)).arg(line);
    }

    RowLayout fresh;
    fresh.rebuild(lines, advances, width);
    if (layout.rowCount() != fresh.rowCount())
        return QStringLiteral("row count %1, rebuilt %2").arg(layout.rowCount()).arg(fresh.rowCount());
    for (int line = 0; line <= lineCount; ++line)
        if (layout.firstRowOf(line) != fresh.firstRowOf(line))
            return QStringLiteral("first row of line %1 differs").arg(line);
    for (int r = 0; r < fresh.rowCount(); ++r) {
        const RowSpan span = layout.row(lines, advances, r);
        const RowSpan expected = fresh.row(lines, advances, r);
        if (span.start != expected.start || span.end != expected.end)
            return QStringLiteral("row %1 spans [%2, %3), rebuilt [%4, %5)")
                .arg(r)
                .arg(span.start)
                .arg(span.end)
                .arg(expected.start)
                .arg(expected.end);
        // The rows of a line tile it, never start inside a surrogate pair, and fit
        // the width except for hanging spaces or a single character too wide alone.
        const int line = lines.lineOf(span.start);
        const bool firstRow = r == layout.firstRowOf(line);
        const bool lastRow = r + 1 == layout.firstRowOf(line + 1);
        if (firstRow != (span.start == lines.lineStart(line)) || lastRow != (span.end == lines.lineEnd(line)))
            return QStringLiteral("row %1 does not tile line %2").arg(r).arg(line);
        if (!lastRow && (span.end <= span.start || layout.row(lines, advances, r + 1).start != span.end))
            return QStringLiteral("row %1 leaves a gap or is empty").arg(r);
        if (span.start > 0 && text[span.start].isLowSurrogate() && text[span.start - 1].isHighSurrogate())
            return QStringLiteral("row %1 splits a surrogate pair").arg(r);
        int shownEnd = span.end;
        while (shownEnd > span.start && isHangingSpace(text[shownEnd - 1]))
            --shownEnd;
        const int single = span.start < text.size() && text[span.start].isHighSurrogate() ? 2 : 1;
        if (width > 0 && shownEnd - span.start > single && advances.width(text, span.start, shownEnd) > width + 1e-6)
            return QStringLiteral("row %1 [%2, %3) is wider than %4").arg(r).arg(span.start).arg(span.end).arg(width);
    }
    for (int p = 0; p <= text.size(); ++p) {
        const RowSpan span = layout.row(lines, advances, layout.rowOf(lines, advances, p));
        if (p < span.start || p > span.end)
            return QStringLiteral("rowOf(%1) gives a row that does not hold it").arg(p);
    }
    return {};
}

// Presses the first key combination the platform binds to `key`.
void press(QWidget* widget, QKeySequence::StandardKey key)
{
    const QKeyCombination combination = QKeySequence::keyBindings(key).constFirst()[0];
    QTest::keyClick(widget, combination.key(), combination.keyboardModifiers());
}

void showBox(QWidget& box)
{
    box.resize(320, 200);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
}

// Where the cursor is drawn when it stands at `position`, in viewport coordinates.
QPoint pointOf(TextBox& box, int position)
{
    box.setCursorPosition(position);
    return static_cast<QWidget&>(box).inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
}

// Sends what an input method sends: the text being composed, what it commits in place of
// `replaceLength` characters from `replaceStart` relative to the cursor, and attributes.
void compose(QWidget* widget, const QString& preedit, const QString& commit = {}, int replaceStart = 0,
             int replaceLength = 0, const QList<QInputMethodEvent::Attribute>& attributes = {})
{
    QInputMethodEvent event(preedit, attributes);
    event.setCommitString(commit, replaceStart, replaceLength);
    QCoreApplication::sendEvent(widget, &event);
}

void setAccessibilityActive(bool active)
{
    QPlatformAccessibility* platform = QGuiApplicationPrivate::platform_integration->accessibility();
    QVERIFY(platform);
    platform->setActive(active);
    QCOMPARE(QAccessible::isActive(), active);
}

// The accessibility events sent while a test listens: each type with its text, if any.
QList<std::pair<QAccessible::Event, QString>> accessibleEvents;

void recordAccessibleEvent(QAccessibleEvent* event)
{
    QString text;
    if (event->type() == QAccessible::TextInserted)
        text = static_cast<QAccessibleTextInsertEvent*>(event)->textInserted();
    else if (event->type() == QAccessible::TextRemoved)
        text = static_cast<QAccessibleTextRemoveEvent*>(event)->textRemoved();
    else if (event->type() == QAccessible::TextUpdated)
        text = static_cast<QAccessibleTextUpdateEvent*>(event)->textInserted();
    accessibleEvents.append({event->type(), text});
}

// The rows of `image` holding pixels of the strong red that the placeholder tests give
// the placeholder colour; the text itself is black.
QList<int> redRows(const QImage& image)
{
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qRed(p) > 160 && qGreen(p) < 100 && qBlue(p) < 100) {
                rows << y;
                break;
            }
        }
    return rows;
}

void paintPlaceholdersRed(QWidget& box)
{
    QPalette palette = box.palette();
    palette.setColor(QPalette::PlaceholderText, Qt::red);
    box.setPalette(palette);
}

enum class TypedPath { Keys, Paste, Drop, InputMethod, SetByProgram };

// Puts `text` into an empty box the way `path` does.
void enter(TextBox& box, TypedPath path, const QString& text)
{
    switch (path) {
    case TypedPath::Keys:
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        break;
    case TypedPath::Paste:
        QApplication::clipboard()->setText(text);
        press(&box, QKeySequence::Paste);
        break;
    case TypedPath::Drop: {
        QMimeData dropped;
        dropped.setText(text);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, {});
        QApplication::sendEvent(box.viewport(), &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, {});
        QApplication::sendEvent(box.viewport(), &drop);
        break;
    }
    case TypedPath::InputMethod:
        compose(&box, QString(), text);
        break;
    case TypedPath::SetByProgram:
        box.replaceAll(text);
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(TypedPath)

class TextBoxTest : public QObject {
    Q_OBJECT

private slots:
    void linesAndRowsFollowRandomEdits()
    {
        const CharAdvances advances(QApplication::font());
        const QStringList pieces = {u"7"_s,          u"42"_s,           u" "_s,
                                    u"   "_s,        u"\n"_s,           u"\r\n"_s,
                                    u"\n\n"_s,       u"0123456789"_s,   u"supercalifragilistic"_s,
                                    u" 1 22 333 "_s, u"WWWWWWWWWWWW"_s, u"\t"_s};
        std::mt19937 rng(20240607);
        const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        for (int sequence = 0; sequence < 300; ++sequence) {
            TextLines lines;
            RowLayout layout;
            const qreal width = sequence % 10 == 0 ? 0 : pick(10, 220);
            layout.rebuild(lines, advances, width);
            for (int step = 0; step < 40; ++step) {
                const int from = pick(0, lines.size());
                const int rest = lines.size() - from;
                const int count = pick(0, 5) == 0 ? rest : pick(0, std::min(rest, 8));
                QString inserted;
                for (int k = pick(0, 3); k > 0; --k)
                    inserted += pieces[pick(0, int(pieces.size()) - 1)];
                layout.update(lines, advances, lines.replace(from, count, lines.normalized(inserted)));
                const QString fault = layoutFault(lines, layout, advances, width);
                QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("sequence %1 step %2, width %3: %4 in \"%5\"")
                                                         .arg(sequence)
                                                         .arg(step)
                                                         .arg(width)
                                                         .arg(fault, QString(lines.text()).replace(u'\n', u'|'))));
            }
        }
    }

    void wrappingKeepsSurrogatePairsWhole()
    {
        const CharAdvances advances(QApplication::font());
        TextLines lines;
        QString text;
        for (int k = 0; k < 60; ++k)
            text += k % 4 == 3 ? u" ab "_s : u"\U0001F600"_s;
        lines.setText(text);
        for (qreal width = 1; width < 150; width += 3) {
            RowLayout layout;
            layout.rebuild(lines, advances, width);
            QCOMPARE(layoutFault(lines, layout, advances, width), QString());
        }
    }

    void typingDeletingAndSelecting()
    {
        TextBox box;
        showBox(box);
        QSignalSpy changed(&box, &TextBox::textChanged);
        QTest::keyClicks(&box, u"12 34"_s);
        QTest::keyClick(&box, Qt::Key_Return);
        QTest::keyClicks(&box, u"56"_s);
        QCOMPARE(box.toPlainText(), u"12 34\n56"_s);
        QCOMPARE(changed.count(), 8);
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClick(&box, Qt::Key_Home);
        QTest::keyClick(&box, Qt::Key_Backspace); // joins the lines
        QCOMPARE(box.toPlainText(), u"12 345"_s);
        QCOMPARE(box.cursorPosition(), 5);
        QTest::keyClick(&box, Qt::Key_Delete);
        QTest::keyClick(&box, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(&box, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(box.selectedText(), u"34"_s);
        QTest::keyClicks(&box, u"x"_s);
        QCOMPARE(box.toPlainText(), u"12 x"_s);
        changed.clear();
        press(&box, QKeySequence::SelectAll);
        QCOMPARE(box.selectedText(), u"12 x"_s);
        QTest::keyClick(&box, Qt::Key_Delete);
        QCOMPARE(box.toPlainText(), QString());
        QCOMPARE(changed.count(), 1);
        QTest::keyClick(&box, Qt::Key_Backspace); // nothing left: no edit, no signal
        QCOMPARE(changed.count(), 1);
    }

    void undoAndRedoGoByWholeSteps()
    {
        TextBox box;
        showBox(box);
        QTest::keyClicks(&box, u"abc"_s);
        QApplication::clipboard()->setText(u"\r\nxy\rz"_s);
        press(&box, QKeySequence::Paste);
        QTest::keyClicks(&box, u"q"_s);
        QTest::keyClick(&box, Qt::Key_Home);
        QTest::keyClicks(&box, u"s"_s); // typed elsewhere: a step of its own
        QCOMPARE(box.toPlainText(), u"abc\nxy\nszq"_s);
        QSignalSpy changed(&box, &TextBox::textChanged);
        const QStringList states = {u"abc\nxy\nzq"_s, u"abc\nxy\nz"_s, u"abc"_s, QString()};
        for (const QString& state : states) {
            press(&box, QKeySequence::Undo);
            QCOMPARE(box.toPlainText(), state);
        }
        QVERIFY(!box.isUndoAvailable());
        QCOMPARE(changed.count(), 4);
        press(&box, QKeySequence::Redo);
        press(&box, QKeySequence::Redo);
        QCOMPARE(box.toPlainText(), u"abc\nxy\nz"_s);
        QCOMPARE(box.cursorPosition(), 8);
        QTest::keyClicks(&box, u"!"_s); // a new edit drops what could be redone
        QVERIFY(!box.isRedoAvailable());
        press(&box, QKeySequence::Undo);
        QCOMPARE(box.toPlainText(), u"abc\nxy\nz"_s);
    }

    void clipboardAndLineBreaks()
    {
        TextBox box;
        showBox(box);
        box.setPlainText(u"one\r\ntwo\rthree\u2029four"_s);
        QCOMPARE(box.toPlainText(), u"one\ntwo\nthree\nfour"_s);
        box.setSelection(4, 8);
        press(&box, QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), u"two\n"_s);
        QSignalSpy changed(&box, &TextBox::textChanged);
        press(&box, QKeySequence::Cut);
        QCOMPARE(box.toPlainText(), u"one\nthree\nfour"_s);
        box.setCursorPosition(0);
        QApplication::clipboard()->setText(u"a\r\n\rb"_s);
        press(&box, QKeySequence::Paste);
        QCOMPARE(box.toPlainText(), u"a\n\nbone\nthree\nfour"_s);
        QCOMPARE(box.cursorPosition(), 4);
        QCOMPARE(changed.count(), 2);
    }

    void readOnlyRefusesEditsButCopies()
    {
        TextBox box;
        box.setPlainText(u"fixed"_s);
        box.setReadOnly(true);
        showBox(box);
        QSignalSpy changed(&box, &TextBox::textChanged);
        QApplication::clipboard()->setText(u"pasted"_s);
        QTest::keyClicks(&box, u"x"_s);
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Delete})
            QTest::keyClick(&box, key);
        press(&box, QKeySequence::Paste);
        press(&box, QKeySequence::SelectAll);
        press(&box, QKeySequence::Cut);
        QCOMPARE(box.toPlainText(), u"fixed"_s);
        QCOMPARE(changed.count(), 0);
        press(&box, QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), u"fixed"_s);
    }

    void upAndDownKeepTheColumnAcrossAShortLine()
    {
        TextBox box;
        showBox(box);
        box.setPlainText(u"abcdef\nab\nabcdef"_s);
        box.setCursorPosition(5);
        const int expected[] = {9, 15, 9, 5};
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(&box, i < 2 ? Qt::Key_Down : Qt::Key_Up);
            QCOMPARE(box.cursorPosition(), expected[i]);
        }
        QTest::keyClick(&box, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(box.selectedText(), u"f\nab"_s);
    }

    void mouseClickPlacesTheCursorAndDoubleClickSelectsAWord()
    {
        TextBox box;
        showBox(box);
        box.setPlainText(u"alpha beta\ngamma delta"_s);
        const QPoint inGamma = pointOf(box, 14);
        const QPoint inBeta = pointOf(box, 8);
        box.setCursorPosition(0);
        QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, inGamma);
        QCOMPARE(box.cursorPosition(), 14);
        QTest::mouseClick(box.viewport(), Qt::LeftButton, Qt::ShiftModifier, inBeta);
        QCOMPARE(box.selectedText(), u"ta\ngam"_s);
        QTest::mouseDClick(box.viewport(), Qt::LeftButton, {}, inBeta);
        QCOMPARE(box.selectedText(), u"beta"_s);

        // Text dragged in from elsewhere lands where it is dropped, CR LF unified.
        QMimeData dropped;
        dropped.setText(u"12\r\n34 "_s);
        QDragEnterEvent enter(inGamma, Qt::CopyAction, &dropped, Qt::LeftButton, {});
        QApplication::sendEvent(box.viewport(), &enter);
        QDropEvent drop(QPointF(inGamma), Qt::CopyAction, &dropped, Qt::LeftButton, {});
        QApplication::sendEvent(box.viewport(), &drop);
        QCOMPARE(box.toPlainText(), u"alpha beta\ngam12\n34 ma delta"_s);
    }

    void lineBoxSetTextAndLineBreaks()
    {
        LineBox box;
        showBox(box);
        QSignalSpy changed(&box, &TextBox::textChanged);
        box.setText(u"12 34"_s);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(box.cursorPosition(), 5);
        QTest::keyClicks(&box, u"5"_s);
        box.setText(u"12 345"_s); // the same text: nothing happens
        QCOMPARE(changed.count(), 2);
        QVERIFY(box.isUndoAvailable());
        box.setText(u"9"_s);
        QCOMPARE(changed.count(), 3);
        QCOMPARE(box.cursorPosition(), 1);
        QVERIFY(!box.isUndoAvailable());
        QApplication::clipboard()->setText(u"a\r\nb\n"_s);
        press(&box, QKeySequence::Paste);
        QCOMPARE(box.text(), u"9a\r\nb\n"_s);
        // Enter, Up and Down are left to the form the box sits in.
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Up, Qt::Key_Down}) {
            QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(&box, &event);
            QVERIFY2(!event.isAccepted(), qPrintable(QString::number(key, 16)));
        }
        QCOMPARE(box.text(), u"9a\r\nb\n"_s);
        QCOMPARE(box.cursorPosition(), 6);
    }

    void tenMegabytesEditUndoAndClear()
    {
        constexpr int lineCount = 2'000'000;
        QString text(lineCount * 5, Qt::Uninitialized);
        for (int i = 0; i < lineCount; ++i) {
            const int n = 1000 + i % 9000;
            QChar* at = text.data() + std::ptrdiff_t(i) * 5;
            at[0] = QChar(u'0' + n / 1000);
            at[1] = QChar(u'0' + n / 100 % 10);
            at[2] = QChar(u'0' + n / 10 % 10);
            at[3] = QChar(u'0' + n % 10);
            at[4] = QChar(u'\n');
        }
        TextBox box;
        showBox(box);
        box.setPlainText(text);
        QScrollBar* bar = box.verticalScrollBar();
        const int lastTopRow = bar->maximum(); // the rows: one per line, the empty last one too
        QVERIFY(lastTopRow > lineCount - 100 && lastTopRow <= lineCount);
        press(&box, QKeySequence::MoveToEndOfDocument);
        QCOMPARE(box.cursorPosition(), int(text.size()));
        QTest::keyClicks(&box, u"77"_s);
        QTest::keyClick(&box, Qt::Key_Return);
        QVERIFY(box.toPlainText() == text + u"77\n"_s);
        QCOMPARE(bar->maximum(), lastTopRow + 1);
        QCOMPARE(bar->value(), bar->maximum());
        press(&box, QKeySequence::Undo);
        press(&box, QKeySequence::Undo);
        QVERIFY(box.toPlainText() == text);
        QCOMPARE(bar->maximum(), lastTopRow);
        press(&box, QKeySequence::SelectAll);
        QTest::keyClick(&box, Qt::Key_Delete);
        QCOMPARE(box.toPlainText(), QString());
        QCOMPARE(bar->maximum(), 0);
        press(&box, QKeySequence::Undo);
        QVERIFY(box.toPlainText() == text);
        QCOMPARE(bar->maximum(), lastTopRow);
    }

    void pasteOfALongLineKeepsTheCursorInView()
    {
        // In the multi-line box the paste brings the scroll bar, which narrows the box
        // and re-wraps the line after the paste has scrolled.
        for (const bool single : {false, true}) {
            std::unique_ptr<TextBox> box(single ? new LineBox : new TextBox);
            showBox(*box);
            QApplication::clipboard()->setText(QString(5000, u'7') + u" 8"_s);
            press(box.get(), QKeySequence::Paste);
            QApplication::processEvents();
            const QPoint cursor = static_cast<QWidget&>(*box).inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
            QVERIFY2(box->viewport()->geometry().contains(cursor), single ? "single-line" : "multi-line");
        }
    }

    void compositionIsShownButNotPartOfTheText()
    {
        TextBox box;
        showBox(box);
        QVERIFY(QTest::qWaitForWindowActive(&box));
        box.setFocus();
        QWidget& widget = box;
        QTest::keyClicks(&box, u"ab"_s);
        const QRect caret = widget.inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const QImage before = box.viewport()->grab().toImage();

        // Composing "zhong", its own cursor after "zh", drawn in place: the text, the
        // history and what the input method reads of the text stay as they were.
        QTextCharFormat reversed;
        reversed.setBackground(Qt::darkBlue);
        compose(&box, u"zhong"_s, {}, 0, 0,
                {{QInputMethodEvent::Cursor, 2, 1, {}}, {QInputMethodEvent::TextFormat, 0, 2, reversed}});
        QCOMPARE(box.toPlainText(), u"ab"_s);
        QCOMPARE(widget.inputMethodQuery(Qt::ImSurroundingText).toString(), u"ab"_s);
        QCOMPARE(widget.inputMethodQuery(Qt::ImCursorPosition).toInt(), 2);
        QVERIFY(widget.inputMethodQuery(Qt::ImCursorRectangle).toRect().x() > caret.x());
        QVERIFY(box.viewport()->grab().toImage() != before);

        // The commit takes the composition's place; typing and committing are one step.
        compose(&box, QString(), u"中"_s);
        QCOMPARE(box.toPlainText(), u"ab中"_s);
        compose(&box, QString(), u"国"_s, -1, 1); // the input method corrects its last commit
        QCOMPARE(box.toPlainText(), u"ab国"_s);
        QCOMPARE(box.cursorPosition(), 3);
        press(&box, QKeySequence::Undo);
        QCOMPARE(box.toPlainText(), u"ab中"_s);
        press(&box, QKeySequence::Undo);
        QCOMPARE(box.toPlainText(), QString());

        // A composition started over a selection replaces it, and leaving the box ends it.
        box.setPlainText(u"12 34"_s);
        box.setSelection(0, 2);
        compose(&box, u"x"_s);
        QCOMPARE(box.toPlainText(), u" 34"_s);
        const QRect composing = widget.inputMethodQuery(Qt::ImCursorRectangle).toRect();
        box.clearFocus();
        QVERIFY(widget.inputMethodQuery(Qt::ImCursorRectangle).toRect().x() < composing.x());
        QCOMPARE(box.toPlainText(), u" 34"_s);

        // What the input method reads around the cursor is a window, not the megabyte line.
        box.setPlainText(QString(1 << 20, u'5'));
        box.setSelection(0, 1 << 19);
        const QString around = widget.inputMethodQuery(Qt::ImSurroundingText).toString();
        QVERIFY(around.size() <= 4096);
        QCOMPARE(widget.inputMethodQuery(Qt::ImCursorPosition).toInt(),
                 around.size() - widget.inputMethodQuery(Qt::ImTextAfterCursor).toString().size());
        QVERIFY(widget.inputMethodQuery(Qt::ImCurrentSelection).toString().size() <= around.size());
        QCOMPARE(widget.inputMethodQuery(Qt::ImAbsolutePosition).toInt(), 1 << 19);
    }

    void accessibleTextFollowsEditsAndCaret()
    {
        setAccessibilityActive(true);
        const auto previous = QAccessible::installUpdateHandler(recordAccessibleEvent);
        accessibleEvents.clear();
        TextBox box;
        showBox(box);
        QTest::keyClicks(&box, u"12"_s);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&box);
        QVERIFY(face && face->textInterface() && face->editableTextInterface());
        QCOMPARE(face->role(), QAccessible::EditableText);
        QVERIFY(face->state().editable && face->state().multiLine && !face->state().readOnly);
        QCOMPARE(face->textInterface()->text(0, face->textInterface()->characterCount()), u"12"_s);
        QCOMPARE(face->textInterface()->cursorPosition(), 2);
        QVERIFY(accessibleEvents.contains({QAccessible::TextInserted, u"2"_s}));
        QVERIFY(accessibleEvents.contains({QAccessible::TextCaretMoved, QString()}));

        // Edits through the interface are the box's own, undo included.
        face->editableTextInterface()->insertText(0, u"x\ny"_s);
        QCOMPARE(box.toPlainText(), u"x\ny12"_s);
        int start = 0;
        int end = 0;
        QCOMPARE(face->textInterface()->textAtOffset(3, QAccessible::LineBoundary, &start, &end), u"y12"_s);
        QCOMPARE(face->textInterface()->textBeforeOffset(3, QAccessible::LineBoundary, &start, &end), u"x\n"_s);
        press(&box, QKeySequence::Undo);
        QCOMPARE(box.toPlainText(), u"12"_s);
        QVERIFY(accessibleEvents.contains({QAccessible::TextRemoved, u"x\ny"_s}));

        // A ten-megabyte paste is announced without its text.
        accessibleEvents.clear();
        QApplication::clipboard()->setText(QString(10 << 20, u'3'));
        press(&box, QKeySequence::Paste);
        QVERIFY(accessibleEvents.contains({QAccessible::TextUpdated, QString()}));

        LineBox line;
        QVERIFY(!QAccessible::queryAccessibleInterface(&line)->state().multiLine);
        QAccessible::installUpdateHandler(previous);
        setAccessibilityActive(false);
    }

    void boxesShareOneWidthTablePerFont()
    {
        const int before = CharAdvances::count();
        {
            TextBox a;
            LineBox b;
            TextBox c(u"Ж"_s);
            QVERIFY(CharAdvances::count() <= before + 1);
            QFont big = c.font();
            big.setPointSize(big.pointSize() + 7);
            c.setFont(big);
            QVERIFY(CharAdvances::count() <= before + 2);
            a.setFont(big);
            QVERIFY(CharAdvances::count() <= before + 2);
        }
        QCOMPARE(CharAdvances::count(), before); // gone with the last box that used them
    }

    void deletionRunsAndWholeReplacementsAreUndoSteps()
    {
        TextBox box;
        showBox(box);
        QSignalSpy changed(&box, &TextBox::textChanged);
        QTest::keyClicks(&box, u"123456"_s);
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClick(&box, Qt::Key_Backspace);
        press(&box, QKeySequence::MoveToStartOfDocument);
        QTest::keyClick(&box, Qt::Key_Delete);
        QTest::keyClick(&box, Qt::Key_Delete);
        QCOMPARE(box.toPlainText(), u"34"_s);
        press(&box, QKeySequence::Undo); // both Deletes
        QCOMPARE(box.toPlainText(), u"1234"_s);
        QCOMPARE(box.cursorPosition(), 0);
        press(&box, QKeySequence::Undo); // both Backspaces
        QCOMPARE(box.toPlainText(), u"123456"_s);
        QTest::keyClick(&box, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(box.toPlainText(), u"1234"_s);
        QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(box.toPlainText(), u"34"_s);

        changed.clear();
        box.replaceAll(u"3\r\n4 5"_s);
        QCOMPARE(box.toPlainText(), u"3\n4 5"_s);
        QCOMPARE(box.cursorPosition(), 5);
        box.clear();
        QCOMPARE(box.toPlainText(), QString());
        QCOMPARE(changed.count(), 2);
        press(&box, QKeySequence::Undo);
        QCOMPARE(box.toPlainText(), u"3\n4 5"_s);
        press(&box, QKeySequence::Undo);
        QCOMPARE(box.toPlainText(), u"34"_s);

        // The window's boxes that empty on a double-click can be given back their text.
        ClearOnDoubleClickEdit edit(u"1234\n5678"_s);
        showBox(edit);
        QTest::mouseDClick(edit.viewport(), Qt::LeftButton, {}, QPoint(20, 10));
        QCOMPARE(edit.toPlainText(), QString());
        press(&edit, QKeySequence::Undo);
        QCOMPARE(edit.toPlainText(), u"1234\n5678"_s);
    }

    void historyIsHeldToItsBudget()
    {
        // Old steps go once newer ones hold the budget: the text kept stays below the
        // budget and one step.
        EditHistory history(100);
        const QString forty(40, u'x');
        for (int k = 0; k < 10; ++k)
            history.record(0, forty, 40, 0, 0, EditKind::Other);
        QCOMPARE(history.size(), 120);
        // A step larger than the budget stays, alone, so it can be taken back; taking it
        // back keeps what it removes for redo instead.
        history.record(0, QString(500, u'y'), 0, 0, 0, EditKind::Other);
        QCOMPARE(history.size(), 500);
        const HistoryStep step = history.takeUndo(QString(40, u'z'));
        QCOMPARE(step.text, QString(500, u'y'));
        QVERIFY(!history.canUndo() && history.canRedo());
        QCOMPARE(history.size(), 0); // the step removed nothing the redo has to put back

        // In a box: of repeated replacements of six million characters, three fit the
        // budget of sixteen million, the rest are dropped.
        TextBox box;
        const QString lists[] = {u"1234\n"_s.repeated((6 << 20) / 5), u"5678\n"_s.repeated((6 << 20) / 5)};
        for (int k = 0; k < 6; ++k)
            box.replaceAll(lists[k % 2]);
        for (int k = 0; k < 3; ++k)
            press(&box, QKeySequence::Undo);
        QVERIFY(box.toPlainText() == lists[0]);
        QVERIFY(!box.isUndoAvailable());
    }

    void cursorStepsOverWholeCharacters()
    {
        TextBox box;
        showBox(box);
        box.setPlainText(u"a\U0001F600e\u0301b"_s); // an emoji (two units), e with a combining accent
        const int stops[] = {1, 3, 5, 6};
        for (const int stop : stops) {
            QTest::keyClick(&box, Qt::Key_Right);
            QCOMPARE(box.cursorPosition(), stop);
        }
        QTest::keyClick(&box, Qt::Key_Left);
        QCOMPARE(box.cursorPosition(), 5);
        QTest::keyClick(&box, Qt::Key_Backspace);
        QCOMPARE(box.toPlainText(), u"a\U0001F600b"_s);
        box.setCursorPosition(2); // inside the pair: moved to its edge
        QVERIFY(box.cursorPosition() == 1 || box.cursorPosition() == 3);
        box.setCursorPosition(1);
        QTest::keyClick(&box, Qt::Key_Delete);
        QCOMPARE(box.toPlainText(), u"ab"_s);
    }

    // The hint shows, on its own lines, only while the box is empty, and is never read
    // as text: not by the program, not by undo, not as the accessible value.
    void placeholderIsDrawnOnlyWhileEmpty()
    {
        TextBox box;
        paintPlaceholdersRed(box);
        showBox(box);
        QVERIFY(QTest::qWaitForWindowActive(&box));
        box.setPlaceholderText(u"大底号码\n双击清空"_s);
        QCOMPARE(box.toPlainText(), QString());
        QVERIFY(!box.isUndoAvailable());
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&box);
        QCOMPARE(accessible->text(QAccessible::Value), QString());
        QCOMPARE(accessible->text(QAccessible::Description), u"大底号码\n双击清空"_s);
        const QList<int> twoLines = redRows(box.viewport()->grab().toImage());
        QVERIFY(!twoLines.isEmpty());
        QVERIFY(twoLines.last() - twoLines.first() > box.fontMetrics().height()); // the break is kept

        box.setFocus();
        QTest::keyClick(&box, Qt::Key_1);
        QVERIFY(redRows(box.viewport()->grab().toImage()).isEmpty());
        press(&box, QKeySequence::Undo);
        QVERIFY(!redRows(box.viewport()->grab().toImage()).isEmpty());
        QVERIFY(!box.isUndoAvailable());

        // A line box shows the first line only.
        LineBox line;
        paintPlaceholdersRed(line);
        line.setPlaceholderText(u"和值\n例如 05.08"_s);
        showBox(line);
        const QList<int> oneLine = redRows(line.viewport()->grab().toImage());
        QVERIFY(!oneLine.isEmpty());
        QVERIFY(oneLine.last() - oneLine.first() < line.fontMetrics().height());
        QCOMPARE(line.text(), QString());
    }

    // A Chinese input method in full-width mode types ０-９ and wide spaces; every way a
    // person puts text in turns them into ASCII, while text the program sets stays whole.
    void fullWidthTypedTextBecomesAscii_data()
    {
        QTest::addColumn<TypedPath>("path");
        QTest::addColumn<QString>("expected");
        const QString ascii = u"12 34,AB~!、中"_s; // 、 and 中 have no ASCII twin
        QTest::newRow("keys") << TypedPath::Keys << ascii;
        QTest::newRow("paste") << TypedPath::Paste << ascii;
        QTest::newRow("drop") << TypedPath::Drop << ascii;
        QTest::newRow("input method") << TypedPath::InputMethod << ascii;
        QTest::newRow("set by program") << TypedPath::SetByProgram << u"１２　３４，ＡＢ～！、中"_s;
    }

    void fullWidthTypedTextBecomesAscii()
    {
        QFETCH(TypedPath, path);
        QFETCH(QString, expected);
        for (bool singleLine : {false, true}) {
            std::unique_ptr<TextBox> box = singleLine ? std::make_unique<LineBox>() : std::make_unique<TextBox>();
            showBox(*box);
            box->setFocus();
            enter(*box, path, u"１２　３４，ＡＢ～！、中"_s);
            QCOMPARE(box->toPlainText(), expected);
        }
    }

    void tabIntoALineBoxSelectsItsText()
    {
        QWidget form;
        auto* first = new LineBox(&form);
        auto* second = new LineBox(&form);
        auto* list = new TextBox(&form);
        second->move(0, 40);
        list->setGeometry(0, 80, 200, 100);
        first->setText(u"12"_s);
        second->setText(u"345"_s);
        form.resize(300, 200);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        first->setFocus(Qt::MouseFocusReason);
        QVERIFY(!first->hasSelectedText()); // a click places the cursor only
        QTest::keyClick(first, Qt::Key_Tab);
        QVERIFY(second->hasFocus());
        QCOMPARE(second->selectedText(), u"345"_s);
        QTest::keyClick(second, Qt::Key_Backtab);
        QCOMPARE(first->selectedText(), u"12"_s);
        QVERIFY(!second->hasSelectedText()); // left behind without its selection

        // A multi-line box shows the focus on its frame.
        const QImage unfocused = list->grab().toImage();
        list->setFocus();
        QVERIFY(list->grab().toImage().pixel(0, 50) != unfocused.pixel(0, 50));
    }
};

QTEST_MAIN(TextBoxTest)
#include "TextBoxTest.moc"
