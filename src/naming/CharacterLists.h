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

// How much a given name is made of the characters parents choose for names: one for each character
// found at the same place in a classic two-character name of that sex (男 or 女; of either for any
// other text), any place for a one-character name, so 0 to 2. The built-in character lists hold many
// characters that are fine to write but rare in names (蒿, 渗, 焙), and the boys' list some that are
// girls' (艳, 淑); among names of one score, the more name-like come first.
std::uint8_t nameFit(std::string_view given, std::string_view sex = {});

} // namespace naming
