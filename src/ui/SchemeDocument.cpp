#include "SchemeDocument.h"

#include <utility>

namespace shrink4 {

namespace {
// Long enough that reading boxes of megabytes waits for a pause in typing.
constexpr int kComparePauseMs = 250;
} // namespace

SchemeDocument::SchemeDocument(std::function<ConditionInputs()> read, QObject* parent)
    : QObject(parent), m_read(std::move(read))
{
    m_compare.setSingleShot(true);
    m_compare.setInterval(kComparePauseMs);
    connect(&m_compare, &QTimer::timeout, this, &SchemeDocument::compare);
}

void SchemeDocument::setClean(const QString& path, ConditionInputs saved)
{
    m_compare.stop();
    m_path = path;
    m_saved = std::move(saved);
    m_modified = false;
    emit changed();
}

void SchemeDocument::conditionsChanged()
{
    setModified(true);
    m_compare.start();
}

void SchemeDocument::compare()
{
    setModified(m_read() != m_saved);
}

void SchemeDocument::setModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit changed();
}

} // namespace shrink4
