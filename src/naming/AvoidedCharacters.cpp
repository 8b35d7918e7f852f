#include "naming/AvoidedCharacters.h"

#include "text/Utf8.h"

#include <algorithm>

namespace naming {

std::vector<std::string> avoidedCharacters(std::string_view typed)
{
    std::vector<std::string> characters;
    for (std::string& character : text::utf8Characters(typed))
        if (text::isHanzi(character) &&
            std::find(characters.begin(), characters.end(), character) == characters.end())
            characters.push_back(std::move(character));
    return characters;
}

std::string normalizedAvoided(std::string_view typed)
{
    std::string joined;
    for (const std::string& character : avoidedCharacters(typed))
        joined += character;
    return joined;
}

bool holdsAvoided(std::string_view text, std::string_view avoided)
{
    if (avoided.empty())
        return false;
    // Whole characters are compared: a UTF-8 character never matches inside another one.
    for (const std::string& character : text::utf8Characters(avoided))
        if (text.find(character) != std::string_view::npos)
            return true;
    return false;
}

} // namespace naming
