#include "naming/EnglishNames.h"

#include "numerology/SplitCharacters.h"
#include "store/NamingStore.h"
#include "store/TableLayouts.h"

#include <utility>

namespace naming {
namespace {

// XW_EName columns the search reads.
constexpr int kIndex = 1, kIndex2 = 2, kName = 3, kSex = 5, kReading = 6, kMeaning = 9;

// clang-format off
constexpr std::pair<std::string_view, std::string_view> kInitialMap[] = {
    {"a", "i"}, {"c", "s"}, {"j", "g"}, {"k", "ch"}, {"o", "a"},
    {"q", "ch"}, {"x", "sh"}, {"y", "e"}, {"z", "th"},
};
// clang-format on

std::string asciiLower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

} // namespace

std::array<std::string, 4> EnglishNameRow::cells() const
{
    return {std::to_string(number), name, reading, meaning};
}

std::string MapReadingInitial(std::string_view readingInitial)
{
    for (const auto& [from, to] : kInitialMap)
        if (readingInitial == from)
            return std::string(to);
    return std::string(readingInitial);
}

std::string ReadingInitial(const store::NamingStore& store, const std::string& character)
{
    store::StoreQuery query = store.Query("select * from XW_CNWord where 汉字=?", {character});
    std::string initial = asciiLower(store.ColumnText(query, store::cnword::kInitial));
    if (initial.empty())
        initial = store.ColumnText(query, store::cnword::kPinyinPlain).substr(0, 1);
    store.Finalize(query);
    return initial;
}

std::vector<EnglishNameRow> FindEnglishNames(const store::NamingStore& store, std::string_view givenName,
                                             int genderCode)
{
    std::vector<EnglishNameRow> rows;
    const std::vector<std::string> characters = numerology::SplitCharacters(givenName);
    if (characters.empty())
        return rows;
    const std::string initial = MapReadingInitial(ReadingInitial(store, characters.front()));
    // An unknown character has no initial; it must not match the rows that have no index either.
    if (initial.empty())
        return rows;
    store::StoreQuery query = store.Query("select * from XW_EName");
    for (bool more = !store.ColumnText(query, kName).empty(); more; more = store.Step(query)) {
        std::string index = store.ColumnText(query, kIndex2);
        if (index.empty())
            index = store.ColumnText(query, kIndex);
        if (index != initial || store.ColumnInt(query, kSex) != genderCode)
            continue;
        rows.push_back({static_cast<int>(rows.size()) + 1, store.ColumnText(query, kName),
                        store.ColumnText(query, kReading), store.ColumnText(query, kMeaning)});
    }
    store.Finalize(query);
    return rows;
}

} // namespace naming
