#include "SpliceResultState.h"

#include <QLabel>
#include <QVariant>

#include <utility>

namespace shrink4 {

namespace {

const QString kStale = QStringLiteral("方框已改动，结果为上次拼接所得 — 按【开始拼接】重新拼接");
// Long enough that reading boxes of megabytes waits for a pause in typing.
constexpr int kComparePauseMs = 250;

} // namespace

SpliceResultState::SpliceResultState(std::function<SpliceInputs()> read, QLabel* strip, QList<QWidget*> marked,
                                     QObject* parent)
    : QObject(parent),
      m_read(std::move(read)),
      m_strip(strip),
      m_marked(std::move(marked))
{
    m_strip->setText(kStale);
    m_compare.setSingleShot(true);
    m_compare.setInterval(kComparePauseMs);
    connect(&m_compare, &QTimer::timeout, this, &SpliceResultState::compare);
    show(false);
}

void SpliceResultState::madeFrom(SpliceInputs inputs)
{
    m_compare.stop();
    m_madeFrom = std::move(inputs);
    show(false);
}

void SpliceResultState::forget()
{
    m_compare.stop();
    m_madeFrom.reset();
    show(false);
}

void SpliceResultState::inputsChanged()
{
    if (!m_madeFrom)
        return;
    show(true);
    m_compare.start();
}

bool SpliceResultState::isStale()
{
    compare();
    return m_strip->property("stale").toBool();
}

void SpliceResultState::compare()
{
    m_compare.stop();
    show(m_madeFrom && m_read() != *m_madeFrom);
}

void SpliceResultState::show(bool stale)
{
    m_strip->setProperty("stale", stale);
    m_strip->setVisible(stale);
    for (QWidget* widget : m_marked) {
        widget->setProperty("stale", stale);
        widget->setToolTip(stale ? kStale : QString());
    }
}

} // namespace shrink4
