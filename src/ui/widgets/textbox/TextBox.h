#pragma once
// A plain-text box that stays quick with ten megabytes in it. Qt's own text widgets lay
// out every line of their text up front, which takes seconds per million lines; this
// box keeps the text with a line index, wraps lines with a per-character width table,
// and draws only the rows in view. It offers what the window's boxes use of
// QPlainTextEdit: typing, selecting, the clipboard, undo and a context menu, input
// methods composing in place, and an accessible text interface.

#include "ui/widgets/textbox/CharAdvances.h"
#include "ui/widgets/textbox/Composition.h"
#include "ui/widgets/textbox/EditHistory.h"
#include "ui/widgets/textbox/RowLayout.h"
#include "ui/widgets/textbox/TextLines.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QKeySequence>

class QPainter;
class QUndoStack;

#include <memory>

namespace shrink4 {

class TextBox : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);
    explicit TextBox(const QString& text, QWidget* parent = nullptr);

    // Line breaks come back as '\n' whatever was put in (CR LF, CR).
    QString toPlainText() const { return m_lines.text(); }
    // Replaces the text and forgets the undo history, as QPlainTextEdit's does.
    void setPlainText(const QString& text);
    // Replaces the text as one edit that undo takes back; the cursor ends up at the end.
    void replaceAll(const QString& text);

    // A hint drawn grey while the box is empty, its line breaks kept. It is not text:
    // reading, undo and assistive technology's value never see it (the latter gets it
    // as the description).
    QString placeholderText() const { return m_placeholder; }
    void setPlaceholderText(const QString& text);

    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);

    int cursorPosition() const { return m_cursor; }
    void setCursorPosition(int position) { setSelection(position, position); }
    void setSelection(int anchor, int cursor);
    bool hasSelectedText() const { return m_anchor != m_cursor; }
    int lineCount() const { return m_lines.lineCount(); }
    // Selects line `line` (from 0) without its break and scrolls to its start.
    void selectLine(int line);
    QString selectedText() const;

    bool isUndoAvailable() const;
    bool isRedoAvailable() const;

    // A box whose edits are steps of a larger history (its window's): undo and redo, by key
    // or menu, go to `stack`, whose steps take the box's own steps (undoOwnStep) in turn.
    void setUndoStack(QUndoStack* stack) { m_undoStack = stack; }
    void undoOwnStep();
    void redoOwnStep();
    // The next edit starts an undo step of its own, however it follows the last one.
    void sealUndoStep() { m_history.seal(); }

public slots:
    // Empties the box as an edit that undo takes back, as QLineEdit's clear() does.
    void clear();
    void selectAll();
    void copy();
    void cut();
    void paste();
    void undo();
    void redo();

signals:
    void textChanged();
    // An edit was recorded for undo: as a step of its own, or joined to the last step.
    void undoStepRecorded(bool ownStep);

protected:
    enum class Mode { MultiLine, SingleLine };
    TextBox(Mode mode, const QString& text, QWidget* parent);

    Mode mode() const { return m_mode; }
    void setHorizontalAlignment(Qt::Alignment alignment);
    Qt::Alignment horizontalAlignment() const { return m_alignment; }

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void scrollContentsBy(int dx, int dy) override;

private:
    friend class TextBoxAccessible;

    using CommandRun = void (TextBox::*)();
    struct Command {
        QKeySequence::StandardKey key;
        CommandRun run;
    };
    static const Command kCommands[];
    static CommandRun commandFor(const QKeyEvent* key);

    enum class Move {
        NextChar,
        PreviousChar,
        NextWord,
        PreviousWord,
        StartOfRow,
        EndOfRow,
        StartOfText,
        EndOfText,
        NextRow,
        PreviousRow,
        NextPage,
        PreviousPage,
    };

    // Editing
    void replaceRange(int from, int to, const QString& text, EditKind kind = EditKind::Other);
    void replaceSelection(const QString& text, EditKind kind = EditKind::Other);
    void apply(int from, int count, const QString& normalizedText);
    void deleteTo(int position, EditKind kind);
    void moveCursor(int position, bool keepAnchor, bool keepColumn = false);
    void cursorMoved(int anchorBefore, int cursorBefore);
    bool handleNavigation(QKeyEvent* event);
    bool handleEditing(QKeyEvent* event);
    int targetOf(Move move);
    int wordStartBefore(int position) const;
    int wordEndAfter(int position) const;

    // Input methods
    void commitComposition();
    void dropComposition();

    // Geometry
    void relayout();
    qreal singleLineWidth() const { return m_singleLineWidth; }
    qreal wrapWidth() const;
    int lineHeight() const;
    int firstVisibleRow() const;
    int visibleRows() const;
    int rowTop(int row) const;
    qreal rowLeft() const;
    int sideMargin() const;
    qreal offsetIn(int rowStart, int position) const;
    int positionAtOffset(RowSpan span, qreal x) const;
    int positionAt(QPoint point) const;
    // Where the cursor is drawn when it stands at `position`, the composition included.
    QRect caretRect(int position) const;
    QRect cursorRect() const { return caretRect(m_cursor); }
    qreal compositionCursorOffset() const;
    void updateScrollBars();
    void ensureCursorVisible();
    void restartBlinking();
    void paintFrame();
    void paintPlaceholder(QPainter& painter);

    Mode m_mode;
    TextLines m_lines;
    std::shared_ptr<const CharAdvances> m_advances;
    RowLayout m_layout;
    EditHistory m_history;
    QUndoStack* m_undoStack = nullptr;
    Composition m_composition;
    int m_anchor = 0;
    int m_cursor = 0;
    qreal m_preferredX = -1; // kept while moving up and down
    qreal m_scrollX = 0;     // single-line: how far the text is scrolled left
    Qt::Alignment m_alignment = Qt::AlignLeft;
    QString m_placeholder;
    bool m_readOnly = false;
    bool m_selecting = false;
    bool m_cursorShown = false;
    QBasicTimer m_blink;

    // The last width walked along a row, so moving within a megabyte-long row measures
    // only the distance moved.
    mutable struct {
        quint64 generation = 0;
        int rowStart = -1;
        int position = 0;
        qreal offset = 0;
    } m_walk;
    quint64 m_generation = 1;
    qreal m_singleLineWidth = 0; // single-line: the text's width, kept up to date by each edit
};

} // namespace shrink4
