#pragma once

// Classic naming (经典起名): ready-made given names (two characters) or name characters (one) for the
// child's sex, shuffled and written after the surname as plain text. Nothing is looked up or scored.
#include "naming/Shuffle.h"

#include <string>
#include <string_view>
#include <vector>

namespace naming {

// The entries of the classic list for the sex and given-name length, in list order; none for a sex
// other than "男" and "女".
std::vector<std::string> classicEntries(std::string_view sex, int givenLength);

// The text of 编辑框_经典名字: for every entry the surname, the entry and a gap of two spaces (two
// characters) or three (one character); after every 14th (two) or 16th (one) name a blank line.
std::string classicText(std::string_view surname, const std::vector<std::string>& entries, int givenLength);

} // namespace naming
