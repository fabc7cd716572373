#pragma once
// A plain-text box that stays quick with ten megabytes in it. Qt's own text widgets lay
// out every line of their text up front, which takes seconds per million lines; this
// box keeps the text with a line index, wraps lines with a per-character width table,
// and draws only the rows in view. It offers what the window's boxes use of
// QPlainTextEdit: typing, selecting, the clipboard, undo and a context menu.

#include "CharAdvances.h"
#include "EditHistory.h"
#include "RowLayout.h"
#include "TextLines.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QKeySequence>

namespace shrink4 {

class TextBox : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);
    explicit TextBox(const QString& text, QWidget* parent = nullptr);

    // Line breaks come back as '\n' whatever was put in (CR LF, CR).
    QString toPlainText() const { return m_lines.text(); }
    void setPlainText(const QString& text);

    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);

    int cursorPosition() const { return m_cursor; }
    void setCursorPosition(int position) { setSelection(position, position); }
    void setSelection(int anchor, int cursor);
    bool hasSelectedText() const { return m_anchor != m_cursor; }
    QString selectedText() const;

    bool isUndoAvailable() const { return m_history.canUndo(); }
    bool isRedoAvailable() const { return m_history.canRedo(); }

public slots:
    void clear();
    void selectAll();
    void copy();
    void cut();
    void paste();
    void undo();
    void redo();

signals:
    void textChanged();

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
    struct Command {
        QKeySequence::StandardKey key;
        void (TextBox::*run)();
    };
    static const Command kCommands[];

    enum class Move {
        NextChar, PreviousChar, NextWord, PreviousWord, StartOfRow, EndOfRow,
        StartOfText, EndOfText, NextRow, PreviousRow, NextPage, PreviousPage,
    };

    // Editing
    void replaceRange(int from, int to, const QString& text, bool typed);
    void replaceSelection(const QString& text, bool typed = false);
    void apply(int from, int count, const QString& normalizedText);
    void applyHistoryStep(const TextEdit& edit, bool undoing);
    void deleteTo(int position);
    void moveCursor(int position, bool keepAnchor, bool keepColumn = false);
    bool handleNavigation(QKeyEvent* event);
    bool handleEditing(QKeyEvent* event);
    int targetOf(Move move);
    int wordStartBefore(int position) const;
    int wordEndAfter(int position) const;

    // Geometry
    void relayout();
    qreal singleLineWidth() const { return m_singleLineWidth; }
    qreal wrapWidth() const;
    int lineHeight() const;
    int firstVisibleRow() const;
    int visibleRows() const;
    int rowTop(int row) const;
    qreal rowLeft() const;
    qreal offsetIn(int rowStart, int position) const;
    int positionAtOffset(RowSpan span, qreal x) const;
    int positionAt(QPoint point) const;
    QRect cursorRect() const;
    void updateScrollBars();
    void ensureCursorVisible();
    void restartBlinking();

    Mode m_mode;
    TextLines m_lines;
    CharAdvances m_advances;
    RowLayout m_layout;
    EditHistory m_history;
    int m_anchor = 0;
    int m_cursor = 0;
    qreal m_preferredX = -1; // kept while moving up and down
    qreal m_scrollX = 0;     // single-line: how far the text is scrolled left
    Qt::Alignment m_alignment = Qt::AlignLeft;
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
