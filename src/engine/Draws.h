#pragma once
// Past draws read from text, one a line, in time order.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace shrink4 {

struct Draw {
    std::optional<std::string> label; // the issue number, when the line has one
    int number = 0;
    int line = 0; // 1-based, for messages
};

struct DrawsReading {
    std::vector<Draw> draws; // oldest first; empty when error is set
    std::string error;       // one line, naming the line number where there is one
};

DrawsReading readDraws(std::string_view text);

} // namespace shrink4
