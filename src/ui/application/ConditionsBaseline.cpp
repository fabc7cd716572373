#include "ConditionsBaseline.h"

#include <utility>

namespace shrink4 {

namespace {
// Long enough that reading boxes of megabytes waits for a pause in typing.
constexpr int kComparePauseMs = 250;
} // namespace

ConditionsBaseline::ConditionsBaseline(std::function<ConditionInputs()> read, QObject* parent)
    : QObject(parent),
      m_read(std::move(read))
{
    m_compare.setSingleShot(true);
    m_compare.setInterval(kComparePauseMs);
    connect(&m_compare, &QTimer::timeout, this, &ConditionsBaseline::compare);
}

void ConditionsBaseline::setBaseline(ConditionInputs inputs)
{
    m_compare.stop();
    m_baseline = std::move(inputs);
    setDiffers(false);
}

void ConditionsBaseline::setBaselineAndCompare(ConditionInputs inputs)
{
    m_compare.stop();
    m_baseline = std::move(inputs);
    compare();
}

void ConditionsBaseline::conditionsChanged()
{
    setDiffers(true);
    m_compare.start();
}

void ConditionsBaseline::compare()
{
    m_compare.stop();
    setDiffers(m_read() != m_baseline);
}

void ConditionsBaseline::setDiffers(bool differs)
{
    if (differs == m_differs)
        return;
    m_differs = differs;
    emit differsChanged(differs);
}

} // namespace shrink4
