#pragma once
// A short note on a frame's title line, at its right end: the frame's live count. It
// floats over the frame rather than taking a place in its layout, so it never widens a
// narrow frame; a long text is cut short with "…" and shown whole as the tooltip.

#include <QLabel>

class QGroupBox;

namespace shrink4 {

class FrameBadge : public QLabel {
    Q_OBJECT
public:
    explicit FrameBadge(QGroupBox* frame);

    void showCount(const QString& text, const QString& tooltip);

    QString fullText() const { return m_text; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    QGroupBox* m_frame;
    QString m_text;
};

} // namespace shrink4
