#include "numerology/FiveGrids.h"

#include "numerology/FortuneSource.h"
#include "numerology/SplitCharacters.h"
#include "store/TableLayouts.h"

namespace numerology {

std::string_view NumberElement(int number) noexcept
{
    static constexpr std::array<std::string_view, 10> kByDigit = {"水", "木", "木", "火", "火",
                                                                  "土", "土", "金", "金", "水"};
    const int digit = ((number % 10) + 10) % 10;
    return kByDigit[static_cast<size_t>(digit)];
}

std::string ThreeTalentKey(const FiveGrids& grids)
{
    std::string key;
    key.reserve(9);
    key += NumberElement(grids.heaven);
    key += NumberElement(grids.person);
    key += NumberElement(grids.earth);
    return key;
}

store::StoreQuery queryNumber(const store::NamingStore& store, int number)
{
    static const std::string sql = store::selectSql(store::kNumberTable, store::number::kColumns,
                                                    "where " + store::number::kId.equalsParameter());
    return store.Query(sql, {std::int64_t{number}});
}

store::StoreQuery queryThreeTalents(const store::NamingStore& store, std::string_view key)
{
    static const std::string sql = store::selectSql(store::kThreeTalentTable, store::talent::kColumns,
                                                    "where " + store::talent::kKey.equalsParameter());
    return store.Query(sql, {std::string(key)});
}

std::string GridFortune(const store::NamingStore& store, int number)
{
    return store.ColumnText(queryNumber(store, number), store::number::kFortune);
}

std::string ThreeTalentFortune(const store::NamingStore& store, std::string_view key)
{
    return store.ColumnText(queryThreeTalents(store, key), store::talent::kFortune);
}

std::string SurnameHeavenFortune(FortuneSource& fortunes, std::string_view surname,
                                 const CharacterCache& cache)
{
    const std::vector<std::string> parts = SplitCharacters(surname);
    const auto strokes = [&](size_t i) {
        const CharacterRecord* record = i < parts.size() ? cache.FindCharacter(parts[i]) : nullptr;
        return record ? record->traditionalStrokes : 0;
    };
    const int heaven = parts.size() >= 2 ? strokes(0) + strokes(1) : strokes(0) + 1;
    return fortunes.gridFortune(heaven);
}

std::string gridsText(const FiveGrids& grids)
{
    std::string out;
    for (int value : grids.values()) {
        if (!out.empty())
            out += ',';
        out += std::to_string(value);
    }
    return out;
}

} // namespace numerology
