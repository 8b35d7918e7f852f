#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace app {

// The item lists of the date drop-downs, each built by splitting one comma-separated text: years
// 1970 to 2030, months 1 to 12, days 1 to 31 (for every month), hours 0 to 23, minutes 0 to 59.
std::vector<std::string> splitComma(std::string_view text);
const std::vector<std::string>& yearItems();
const std::vector<std::string>& monthItems();
const std::vector<std::string>& dayItems();
const std::vector<std::string>& hourItems();
const std::vector<std::string>& minuteItems();

inline constexpr std::string_view kDefaultYear = "2013";
inline constexpr int kDefaultYearIndex = 43;

} // namespace app
