#pragma once

#include "naming/NamingRequest.h"

#include <string>
#include <string_view>
#include <vector>

namespace naming {

// The element filter that brings a chart's main favourable elements (喜用神, as
// calendar::mainFavourable gives them) into every super-auspicious name, by the rule naming from the
// missing elements follows: one element, the first given-name character carries it (第二个字五行限定);
// two, every given-name character is of one of them (所有字必带五行 with exactly those); none, the
// filter as the window opens it.
ElementFilter filterForFavourableElements(std::string_view favourable);

// The status-bar line once the filter is set: "已按喜用神（木火）设置筛选条件".
std::string favourableElementsFilterMessage(std::string_view favourable);

// Which characters of `characters` carry one of the `favourable` elements, given each character's
// element in `elements` (one element a character, as the name's 五行 cell): the characters joined
// without separator, in name order ("明" when only 明 does); empty when none does.
std::string favourableCharacters(const std::vector<std::string>& characters,
                                 const std::vector<std::string>& elements, std::string_view favourable);

} // namespace naming
