#pragma once

#include <string_view>

namespace naming {

// The built-in lists, one character per entry, no separators (UTF-8).
std::string_view BoysCharacters();
std::string_view GirlsCharacters();
std::string_view ClassicOneCharacterBoys();
std::string_view ClassicOneCharacterGirls();
// The classic two-character given names, separated by "," with a final ",".
std::string_view ClassicTwoCharacterBoys();
std::string_view ClassicTwoCharacterGirls();

} // namespace naming
