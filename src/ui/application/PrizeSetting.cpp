#include "PrizeSetting.h"

#include "ui/application/Settings.h"

namespace shrink4 {

PrizeSetting::PrizeSetting(QObject* parent)
    : QObject(parent),
      m_table(Settings().prizeTable())
{
}

void PrizeSetting::set(const PrizeTable& table)
{
    m_table = table;
    Settings().setPrizeTable(table);
    emit changed();
}

} // namespace shrink4
