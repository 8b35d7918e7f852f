#pragma once

#include "numerology/CharacterRecord.h"

#include <array>
#include <string>
#include <string_view>

namespace numerology {

// Number of surname and given-name characters, each 1 or 2.
struct NameShape
{
    int surname = 1;
    int given = 1;
};

// 天格, 人格, 地格, 总格, 外格, always in this order.
struct FiveGrids
{
    int heaven = 0;
    int person = 0;
    int earth = 0;
    int total = 0;
    int outer = 0;

    constexpr std::array<int, 5> values() const noexcept { return {heaven, person, earth, total, outer}; }
    friend constexpr bool operator==(const FiveGrids&, const FiveGrids&) = default;
};

// The grids of a name from the Kangxi counts of its characters (absent characters count 0).
constexpr FiveGrids ComputeFiveGrids(int s1, int s2, int g1, int g2, NameShape shape) noexcept
{
    FiveGrids grids;
    const bool twoSurname = shape.surname == 2;
    const bool twoGiven = shape.given == 2;
    if (!twoSurname)
        s2 = 0;
    if (!twoGiven)
        g2 = 0;
    grids.heaven = twoSurname ? s1 + s2 : s1 + 1;
    grids.person = (twoSurname ? s2 : s1) + g1;
    grids.earth = twoGiven ? g1 + g2 : g1 + 1;
    grids.total = s1 + s2 + g1 + g2;
    if (!twoSurname && !twoGiven)
        grids.outer = 2;
    else if (twoSurname && twoGiven)
        grids.outer = grids.total - grids.person;
    else
        grids.outer = grids.total - grids.person + 1;
    return grids;
}

// 1, 2 木; 3, 4 火; 5, 6 土; 7, 8 金; 9, 0 水 by the last digit.
std::string_view NumberElement(int number) noexcept;

// The elements of 天格, 人格 and 地格 one after another, e.g. 金金木.
std::string ThreeTalentKey(const FiveGrids& grids);

// Fortune word of an 81-number row (numbers outside 1..81 have no row and give "").
std::string GridFortune(const store::NamingStore& store, int number);
// The one lookup of a number's row of XW_八一灵动数 and of a key's row of XW_三才配置, every column
// selected (read them by store::number and store::talent constants); no row when there is none.
store::StoreQuery queryNumber(const store::NamingStore& store, int number);
store::StoreQuery queryThreeTalents(const store::NamingStore& store, std::string_view key);
// Fortune word of a three-talent configuration, "" when the key has no row.
std::string ThreeTalentFortune(const store::NamingStore& store, std::string_view key);

class FortuneSource;

// The fortune of the heaven grid of a surname alone, from the run's cache.
std::string SurnameHeavenFortune(FortuneSource& fortunes, std::string_view surname,
                                 const CharacterCache& cache);

// The five grids as the lists show them: "8,15,20,27,13".
std::string gridsText(const FiveGrids& grids);

} // namespace numerology
