// nameFit: how name-like a given name is, measured against the classic two-character names.
#include "naming/CharacterLists.h"
#include "text/Utf8.h"

#include <array>
#include <functional>
#include <initializer_list>
#include <string>
#include <unordered_set>

namespace naming {
namespace {

// Looked up by string_view, so a name's characters are not copied to be found.
struct TextHash
{
    using is_transparent = void;
    size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
};
using CharacterSet = std::unordered_set<std::string, TextHash, std::equal_to<>>;

struct NameCharacters
{
    std::array<CharacterSet, 2> atPlace; // first and second characters
    CharacterSet anywhere;

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
    const std::string_view first = text::firstUtf8Character(given);
    const std::string_view second = text::firstUtf8Character(given.substr(first.size()));
    if (second.empty())
        return known.anywhere.contains(first) ? 1 : 0;
    return static_cast<std::uint8_t>(int{known.atPlace[0].contains(first)} +
                                     int{known.atPlace[1].contains(second)});
}

} // namespace naming
