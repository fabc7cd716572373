#include "StageRows.h"

#include "core/TextScan.h"

namespace shrink4 {

bool textCounted(std::string_view boxText, std::string_view marker)
{
    const auto text = trimSpaces(boxText);
    return !text.empty() && !contains(text, marker);
}

StageRows textRow(ControlId control, NumberSet fails, bool counted)
{
    if (!counted && fails.empty())
        return {};
    StageRows rows;
    rows.push_back({control, -1, std::move(fails), counted, std::nullopt});
    return rows;
}

StageRows oneRow(ControlId control, NumberSet fails)
{
    return textRow(control, std::move(fails), true);
}

} // namespace shrink4
