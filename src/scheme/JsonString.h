#pragma once
#include <string>

namespace shrink4 {

// Decodes the escapes of a JSON string's contents, which the JSON parser has already
// accepted, to UTF-8: large texts go straight into a std::string, with no QString between.
std::string decodeJsonString(const char* begin, const char* end);

} // namespace shrink4
