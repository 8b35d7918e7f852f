#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace naming {

// The family's taboo characters (避讳字: characters of elders' names, or ones the parents dislike),
// as typed in the setting: the Chinese characters of the text, each once, in the order typed. Blanks,
// punctuation and Latin letters between them ("明、华", "明 华") are no part of it.
std::vector<std::string> avoidedCharacters(std::string_view typed);

// The same characters as one text ("明华"): the form the setting keeps and a naming request carries.
std::string normalizedAvoided(std::string_view typed);

// True when `text` holds one of the characters of `avoided` (a normalized text); false for an empty
// `avoided`.
bool holdsAvoided(std::string_view text, std::string_view avoided);

} // namespace naming
