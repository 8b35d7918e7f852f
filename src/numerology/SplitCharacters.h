#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace numerology {

// Splits a name into its characters by the byte rule of the GBK form: a byte up to 122 ("z") is a
// character of its own, a byte of 123 or more starts a two-byte character (so "{" takes the next
// byte with it). A lone final byte of 123 or more stands alone. A text that is only blanks (ASCII
// and full-width) gives no characters; otherwise blanks inside are characters like any other.
// Input and output are UTF-8; the rule is applied to the GBK bytes.
std::vector<std::string> SplitCharacters(std::string_view utf8);

// The same rule on GBK bytes, giving GBK pieces.
std::vector<std::string> splitGbkCharacters(std::string_view gbk);

} // namespace numerology
