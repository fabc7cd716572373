#pragma once
// Page tabs with a second, smaller line under each caption: a mark and a count when the
// page holds conditions. The line is always there, so marking a tab moves nothing, and
// it never widens a tab: the captions already fill the text column.

#include <QTabBar>

class QPainter;

namespace shrink4 {

class CountTabBar : public QTabBar {
    Q_OBJECT
public:
    explicit CountTabBar(QWidget* parent = nullptr);

    // An empty text takes the mark away.
    void setCountText(int index, const QString& text);
    QString countText(int index) const;

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
    void paintEvent(QPaintEvent* event) override;

private:
    void paintTabBox(QPainter& painter, const QRect& rect, bool shown) const;
    QFont countFont() const;
    int countLineHeight() const;
};

} // namespace shrink4
