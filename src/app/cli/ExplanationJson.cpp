#include "cli/ExplanationJson.h"

#include <string_view>
#include <vector>

namespace shrink4::cli {

void addExplanationFields(JsonObjectWriter& out, const NumberExplanation& e)
{
    const std::vector<std::string_view> failed(e.failed.begin(), e.failed.end());
    out.flag("in_pool", e.inPool).field("fail_count", e.failCount).field("failed", failed);
}

} // namespace shrink4::cli
