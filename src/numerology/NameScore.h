#pragma once

#include "numerology/CharacterRecord.h"
#include "numerology/FiveGrids.h"
#include "numerology/FortuneSource.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace numerology {

// Positions of the six fortunes: the five grids, then the three talents.
enum FortunePosition
{
    kHeaven,
    kPerson,
    kEarth,
    kTotal,
    kOuter,
    kThreeTalents,
};

struct NameScoreResult
{
    int simplifiedTotal = 0;
    FiveGrids grids;
    std::string elements;
    std::string threeTalentKey;
    std::array<std::string, 6> fortunes;
    int score = 0;
};

// Weights of the six fortunes; they add up to 100.
inline constexpr std::array<int, 6> kGridWeights = {5, 30, 20, 20, 10, 15};

// The factor of a fortune word in hundredths: 大吉 and 吉 100, 中 85, 凶 60, 大凶 30, anything else 0.
int fortuneFactorPercent(std::string_view word) noexcept;

// The weighted sum of six fortune words in hundredths: exact, so 0.85 x 30 is 25.5 and never 25.499.
int weightedHundredths(const std::array<std::string, 6>& fortunes) noexcept;

// The score: the integer part of the weighted sum.
inline int weightedScore(const std::array<std::string, 6>& fortunes) noexcept
{
    return weightedHundredths(fortunes) / 100;
}

// The records of a full name's characters (nullptr: a character the cache lacks) and its shape.
struct NameRecords
{
    const CharacterRecord* s1 = nullptr;
    const CharacterRecord* s2 = nullptr; // null unless the surname has two characters
    const CharacterRecord* g1 = nullptr;
    const CharacterRecord* g2 = nullptr; // null unless the given name has two characters
    NameShape shape{1, 1};
};
NameRecords findNameRecords(std::string_view surname, std::string_view given, const CharacterCache& cache);

// Everything of a name's result that needs no fortune: the five grids, the three-talent key, the
// simplified total and the elements.
NameScoreResult nameWithoutFortunes(const NameRecords& name);

// Scores a full name from the characters' records (nullptr: a character the cache lacks, counted as
// zero strokes and no element). s2 and g2 are ignored unless the shape has them.
NameScoreResult ScoreName(const CharacterRecord* s1, const CharacterRecord* s2, const CharacterRecord* g1,
                          const CharacterRecord* g2, NameShape shape, FortuneSource& fortunes);

// Scores surname + given name with the run's cache.
NameScoreResult ScoreName(std::string_view surname, std::string_view given, const CharacterCache& cache,
                          FortuneSource& fortunes);

// The best score a surname can reach given the fortune of its heaven grid; none for an empty word.
std::optional<int> ScoreCeiling(std::string_view heavenFortune) noexcept;

} // namespace numerology
