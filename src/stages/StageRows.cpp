#include "StageRows.h"

namespace shrink4 {

StageRows oneRow(ControlId control, NumberSet fails)
{
    StageRows rows;
    rows.push_back({control, -1, std::move(fails), true, std::nullopt});
    return rows;
}

} // namespace shrink4
