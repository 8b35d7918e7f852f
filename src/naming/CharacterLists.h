#pragma once

#include <cstdint>
#include <string_view>

namespace naming {

// The built-in lists, one character per entry, no separators (UTF-8).
std::string_view boysCharacters();
std::string_view girlsCharacters();
std::string_view classicOneCharacterBoys();
std::string_view classicOneCharacterGirls();
// The classic two-character given names, separated by "," with a final ",".
std::string_view classicTwoCharacterBoys();
std::string_view classicTwoCharacterGirls();
// The function words of verse (之 乃 而 兮 ...) that poem mode never puts in a name, one a character.
std::string_view poemFunctionWords();

} // namespace naming
