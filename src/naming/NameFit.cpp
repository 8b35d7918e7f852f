// nameFit: how name-like a given name is, measured against the classic two-character names.
#include "naming/CharacterLists.h"
#include "text/Utf8.h"

#include <array>
#include <initializer_list>
#include <string>
#include <unordered_set>

namespace naming {
namespace {

struct NameCharacters
{
    std::array<std::unordered_set<std::string>, 2> atPlace; // first and second characters
    std::unordered_set<std::string> anywhere;

    explicit NameCharacters(std::initializer_list<std::string_view> lists)
    {
        for (const std::string_view list : lists)
            for (const std::string& entry : text::splitText(list, ",")) {
                std::vector<std::string> name = text::utf8Characters(entry);
                std::erase_if(name, [](const std::string& c) { return !text::isHanzi(c); });
                if (name.size() != 2)
                    continue;
                for (size_t place = 0; place < 2; ++place) {
                    atPlace[place].insert(name[place]);
                    anywhere.insert(name[place]);
                }
            }
    }
};

const NameCharacters& nameCharacters(std::string_view sex)
{
    static const NameCharacters boys{classicTwoCharacterBoys()};
    static const NameCharacters girls{classicTwoCharacterGirls()};
    static const NameCharacters either{classicTwoCharacterBoys(), classicTwoCharacterGirls()};
    return sex == "男" ? boys : sex == "女" ? girls : either;
}

} // namespace

std::uint8_t nameFit(std::string_view given, std::string_view sex)
{
    const NameCharacters& known = nameCharacters(sex);
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
