#pragma once

#include "naming/NamingRequest.h"

#include <string>
#include <string_view>

namespace naming {

// The element filter that brings a birth chart's missing elements (the elements of 缺五行标签, in the
// order 金木水火土) into every super-auspicious name. One missing element: the first given-name
// character carries it (第二个字五行限定 with that element alone, the third-character limiter off).
// Two or more: both given-name characters are of the missing elements (所有字必带五行 with exactly
// those). Nothing missing: the filter as the window opens it.
ElementFilter filterForMissingElements(std::string_view missing);

// The status-bar line once the filter is set: "已按八字所缺五行（木火）设置筛选条件".
std::string missingElementsFilterMessage(std::string_view missing);

// What 按所缺五行起名 says for a chart that lacks nothing: there is nothing to supply.
inline constexpr const char* kNothingMissingMessage = "八字五行齐全，无需按所缺五行筛选";

} // namespace naming
