#pragma once
// Whether a splice page's result still belongs to the boxes and the mode on screen,
// shown as the main window shows it for its own result: a strip over the result, and a
// `stale` property on the result box and its count. Marked at once when an input
// changes; compared again once typing pauses, so that an undo back to the inputs of the
// result clears the mark.

#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <optional>

class QLabel;
class QWidget;

namespace shrink4 {

struct SpliceInputs {
    QStringList boxes;
    bool deleteMode = false;
    bool operator==(const SpliceInputs&) const = default;
};

class SpliceResultState : public QObject {
    Q_OBJECT
public:
    // read gives the inputs on screen; marked: the widgets that carry the property.
    SpliceResultState(std::function<SpliceInputs()> read, QLabel* strip, QList<QWidget*> marked,
                      QObject* parent = nullptr);

    // The result shown was made from `inputs`.
    void madeFrom(SpliceInputs inputs);
    // No result is shown.
    void forget();
    void inputsChanged();
    // Whether the result differs from what the inputs on screen give, compared now.
    bool isStale();

private:
    void compare();
    void show(bool stale);

    std::function<SpliceInputs()> m_read;
    QLabel* m_strip;
    QList<QWidget*> m_marked;
    std::optional<SpliceInputs> m_madeFrom;
    QTimer m_compare;
};

} // namespace shrink4
