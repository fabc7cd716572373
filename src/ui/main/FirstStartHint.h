#pragma once
// A first start's word on where to begin, over the conditions: shown until the first run,
// then never again.

#include <QLabel>

namespace shrink4 {

class FirstStartHint : public QLabel {
    Q_OBJECT
public:
    FirstStartHint();

    // The conditions with this line over them.
    QWidget* over(QWidget* conditions);
    // Shows the line on a first start (firstStart: nothing was kept from an earlier one),
    // and at the starts after it until a run is made.
    void offer(bool firstStart);
    // A run was made: the line goes, for good.
    void done();
    // The window closes: a first start remembers that the line was shown. Not at start-up,
    // which writes no settings.
    void keep();

private:
    bool m_firstStart = false;
};

} // namespace shrink4
