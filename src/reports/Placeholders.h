#pragma once

#include <map>
#include <string>
#include <string_view>

namespace reports {

// Placeholder (with its braces, e.g. "{天格}") -> the text that replaces it.
using Placeholders = std::map<std::string, std::string, std::less<>>;

// Replaces every occurrence of every known placeholder, case-sensitively, in one pass over the
// template: a value that happens to contain "{...}" text is inserted as it is and never replaced in
// turn. Braces that do not enclose a known placeholder stay.
std::string fillPlaceholders(std::string_view templateText, const Placeholders& values);

} // namespace reports
