#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace naming {

// The candidates of combination naming: the typed text, with the surname appended when it does not
// occur in it, reduced to its GB2312 Chinese characters (levels 1 and 2) in typed order. Everything
// else goes: ASCII, blanks, punctuation, GBK characters outside GB2312 and characters outside GBK. A
// character typed twice is two candidates.
std::vector<std::string> combinationCharacters(std::string_view typed, std::string_view surname);

} // namespace naming
