#include "SchemeDocument.h"

#include <utility>

namespace shrink4 {

SchemeDocument::SchemeDocument(std::function<ConditionInputs()> read, QObject* parent)
    : QObject(parent),
      m_saved(std::move(read))
{
    connect(&m_saved, &ConditionsBaseline::differsChanged, this, &SchemeDocument::changed);
}

void SchemeDocument::setClean(const QString& path, ConditionInputs saved)
{
    m_path = path;
    m_saved.setBaseline(std::move(saved));
    emit changed();
}

void SchemeDocument::setFile(const QString& path, ConditionInputs saved)
{
    m_path = path;
    m_saved.setBaselineAndCompare(std::move(saved));
    emit changed();
}

} // namespace shrink4
