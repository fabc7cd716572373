#pragma once
// What an input method is composing, a pinyin syllable say, before it commits. The box
// shows it at the cursor, underlined, with the input method's own cursor and formats; it
// is not part of the text, so it never reaches the undo history.

#include "ui/widgets/textbox/CharAdvances.h"

#include <QInputMethodEvent>
#include <QString>
#include <QTextCharFormat>

#include <vector>

class QPainter;
class QPalette;

namespace shrink4 {

class Composition {
public:
    // Takes the preedit text, its cursor and its formats from an input method event.
    void set(const QInputMethodEvent& event);
    void clear() { *this = Composition(); }

    bool isEmpty() const { return m_text.isEmpty(); }
    const QString& text() const { return m_text; }
    bool cursorShown() const { return m_cursorShown; }
    qreal width(const CharAdvances& advances) const;
    // How far from the composition's start its cursor stands.
    qreal cursorOffset(const CharAdvances& advances) const;

    // Draws the composition with its top left at `at`, a row `height` high. Returns its width.
    qreal paint(QPainter& painter, QPointF at, qreal height, const CharAdvances& advances,
                const QPalette& palette) const;

private:
    struct Format {
        int start;
        int length;
        QTextCharFormat format;
    };
    QTextCharFormat formatAt(int position) const;

    QString m_text;
    int m_cursor = 0;
    bool m_cursorShown = true;
    std::vector<Format> m_formats;
};

} // namespace shrink4
