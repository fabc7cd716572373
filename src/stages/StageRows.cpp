#include "StageRows.h"

namespace shrink4 {

NumberSet& addRow(StageRows& rows, ControlId control, int item)
{
    ConditionRow& row = rows.emplace_back(); // no set copied in
    row.control = control;
    row.item = item;
    return row.fails;
}

} // namespace shrink4
