#include "ConditionTable.h"

#include "core/TextScan.h"

#include <string>
#include <type_traits>

namespace shrink4 {

namespace {

// The table lists the controls in the order of their ids, so an id indexes it.
consteval bool idsInOrder()
{
    for (std::size_t i = 0; i < kControlCount; ++i)
        if (std::size_t(kControlMetas[i].id) != i)
            return false;
    return true;
}
static_assert(idsInOrder());

} // namespace

bool isEmptyBox(std::string_view text, std::string_view help)
{
    const std::string_view trimmed = trimWhitespace(text);
    return trimmed.empty() || trimmed == help;
}

std::size_t textBytes(const ConditionInputs& in)
{
    std::size_t bytes = 0;
    forEachControl(in, [&bytes](const ControlMeta&, const auto& value) {
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>)
            bytes += value.size();
    });
    return bytes;
}

std::string indexedKey(std::string_view key, int index)
{
    return std::string(key) + '(' + std::to_string(index) + ')';
}

} // namespace shrink4
