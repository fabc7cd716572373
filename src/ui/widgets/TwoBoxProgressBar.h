#pragma once
// The progress bar of a run: a track box (T_jindutiao(0)) with a fill box
// (T_jindutiao(1)) in front of it whose width is a fraction of the track's.

#include <QFrame>

namespace shrink4 {

class TwoBoxProgressBar : public QFrame {
    Q_OBJECT
public:
    explicit TwoBoxProgressBar(QWidget* parent = nullptr);

    void setFraction(double fraction);
    double fraction() const { return m_fraction; }
    int fillWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutFill();

    QFrame* m_fill = nullptr;
    double m_fraction = 0;
};

} // namespace shrink4
