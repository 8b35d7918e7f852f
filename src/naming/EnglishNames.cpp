#include "naming/EnglishNames.h"

#include "numerology/SplitCharacters.h"
#include "store/NamingStore.h"
#include "store/TableLayouts.h"

#include <utility>

namespace naming {
namespace {

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

std::string mapReadingInitial(std::string_view readingInitial)
{
    for (const auto& [from, to] : kInitialMap)
        if (readingInitial == from)
            return std::string(to);
    return std::string(readingInitial);
}

std::string readingInitial(const store::NamingStore& store, const std::string& character)
{
    namespace col = store::cnword;
    static const std::string sql =
        store::selectSql(store::kCharacterTable, {col::kInitial, col::kPinyinPlain},
                         "where " + col::kCharacter.equalsParameter());
    const store::StoreQuery query = store.Query(sql, {character});
    std::string initial = asciiLower(store.ColumnText(query, col::kInitial));
    if (initial.empty())
        initial = store.ColumnText(query, col::kPinyinPlain).substr(0, 1);
    return initial;
}

std::vector<EnglishNameRow> FindEnglishNames(const store::NamingStore& store, std::string_view givenName,
                                             int genderCode)
{
    std::vector<EnglishNameRow> rows;
    const std::vector<std::string> characters = numerology::SplitCharacters(givenName);
    if (characters.empty())
        return rows;
    const std::string initial = mapReadingInitial(readingInitial(store, characters.front()));
    // An unknown character has no initial; it must not match the rows that have no index either.
    if (initial.empty())
        return rows;
    namespace col = store::ename;
    static const std::string sql =
        store::selectSql(store::kEnglishNameTable,
                         {col::kIndex, col::kIndex2, col::kName, col::kSex, col::kReading, col::kMeaning});
    store::StoreQuery query = store.Query(sql);
    for (bool more = !store.ColumnText(query, col::kName).empty(); more; more = store.Step(query)) {
        std::string index = store.ColumnText(query, col::kIndex2);
        if (index.empty())
            index = store.ColumnText(query, col::kIndex);
        if (index != initial || store.ColumnInt(query, col::kSex) != genderCode)
            continue;
        rows.push_back({static_cast<int>(rows.size()) + 1, store.ColumnText(query, col::kName),
                        store.ColumnText(query, col::kReading), store.ColumnText(query, col::kMeaning)});
    }
    return rows;
}

int englishLetterCount(std::string_view name)
{
    int letters = 0;
    for (const char c : name)
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
            ++letters;
    return letters;
}

std::vector<EnglishNameRow> keepEnglishLength(std::vector<EnglishNameRow> rows, EnglishLength length)
{
    std::erase_if(rows, [length](const EnglishNameRow& row) {
        const int letters = englishLetterCount(row.name);
        return letters < length.min || letters > length.max;
    });
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].number = static_cast<int>(i) + 1;
    return rows;
}

} // namespace naming
