#pragma once
// What assistive technology, a screen reader say, sees of a text box: editable text with
// its caret and selection, read and edited through Qt's accessible text interfaces, and
// told of each edit and caret move. Nothing is announced while no assistive technology
// listens (Qt would drop it), and an announcement stays small: a long edit goes without
// its text.

#include <QAccessibleWidget>
#include <QTextBoundaryFinder>

#include <utility>

namespace shrink4 {

class TextBox;

class TextBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
public:
    explicit TextBoxAccessible(TextBox* box);

    // Makes Qt ask this class for the interface of every text box; the first box calls it.
    static void installFactory();
    static void announceCaret(TextBox* box, int anchorBefore, int cursorBefore);
    static void announceReadOnly(TextBox* box);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                            int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    TextBox* box() const;
    // The item of a kind at `offset`, a valid position.
    std::pair<int, int> itemAt(int offset, QAccessible::TextBoundaryType boundaryType) const;
    std::pair<int, int> textSpan(int offset, QTextBoundaryFinder::BoundaryType type) const;
};

// Tells assistive technology of an edit: made before the edit, to keep the text about to
// go, and sent after it.
class EditNotice {
public:
    EditNotice(const TextBox& box, int position, int removedLength);
    void send(TextBox* box, const QString& inserted) const;

private:
    bool m_listening;
    int m_position;
    int m_removedLength;
    QString m_removed;
};

} // namespace shrink4
