// nameFit: how name-like a given name is, measured against the classic two-character names.
#include "naming/CharacterLists.h"
#include "text/Utf8.h"

#include <array>
#include <string>
#include <unordered_set>

namespace naming {
namespace {

struct NameCharacters
{
    std::array<std::unordered_set<std::string>, 2> atPlace; // first and second characters
    std::unordered_set<std::string> anywhere;
};

const NameCharacters& nameCharacters()
{
    static const NameCharacters characters = [] {
        NameCharacters out;
        for (const std::string_view list : {classicTwoCharacterBoys(), classicTwoCharacterGirls()})
            for (const std::string& entry : text::splitText(list, ",")) {
                std::vector<std::string> name = text::utf8Characters(entry);
                std::erase_if(name, [](const std::string& c) { return !text::isHanzi(c); });
                if (name.size() != 2)
                    continue;
                for (size_t place = 0; place < 2; ++place) {
                    out.atPlace[place].insert(name[place]);
                    out.anywhere.insert(name[place]);
                }
            }
        return out;
    }();
    return characters;
}

} // namespace

std::uint8_t nameFit(std::string_view given)
{
    const NameCharacters& known = nameCharacters();
    const std::vector<std::string> characters = text::utf8Characters(given);
    if (characters.size() == 1)
        return known.anywhere.contains(characters[0]) ? 1 : 0;
    std::uint8_t fit = 0;
    for (size_t place = 0; place < characters.size() && place < 2; ++place)
        if (known.atPlace[place].contains(characters[place]))
            ++fit;
    return fit;
}

} // namespace naming
