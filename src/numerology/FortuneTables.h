#pragma once

// The scoring core on numbers. A fortune word is a small integer (an index into the words the
// tables read, 0 the empty word), the three-talent key a number 0..124, the 81-number and
// three-talent fortunes arrays filled once from the store. Scores and results are exactly those of
// ScoreName over the same store.
#include "numerology/CharacterRecord.h"
#include "numerology/FiveGrids.h"
#include "numerology/FortuneSource.h"
#include "numerology/NameScore.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace numerology {

using FortuneId = std::uint32_t;

inline constexpr int kThreeTalentKeys = 125;

// The element of a grid number as 0..4 in the order 木 火 土 金 水 (1, 2 木; ...; 9, 0 水).
constexpr int numberElementIndex(int number) noexcept
{
    const int digit = ((number % 10) + 10) % 10;
    return digit == 0 ? 4 : (digit - 1) / 2;
}

// The three-talent key as a number: the element indexes of 天格, 人格 and 地格 in base 5.
constexpr int threeTalentKeyNumber(const FiveGrids& grids) noexcept
{
    return numberElementIndex(grids.heaven) * 25 + numberElementIndex(grids.person) * 5 +
           numberElementIndex(grids.earth);
}

// The text of a key number, e.g. 金金木 (the same as ThreeTalentKey of grids with that number).
std::string_view threeTalentKeyText(int keyNumber) noexcept;

// The fortunes of one store, read in one query per table. Also a FortuneSource, giving the same
// words the store gives.
class FortuneTables : public FortuneSource
{
public:
    FortuneTables(); // no rows: every word empty
    explicit FortuneTables(const store::NamingStore& store);

    FortuneId gridWord(int number) const noexcept
    {
        if (number >= 0 && static_cast<size_t>(number) < m_grid.size())
            return m_grid[static_cast<size_t>(number)];
        return farGridWord(number);
    }
    FortuneId talentWord(int keyNumber) const noexcept { return m_talent[static_cast<size_t>(keyNumber)]; }
    const std::string& word(FortuneId id) const noexcept { return m_words[id]; }
    int factorPercent(FortuneId id) const noexcept { return m_factors[id]; }

    // The weighted sum of the six fortunes of these grids, in hundredths, and the score.
    int hundredths(const FiveGrids& grids) const noexcept;
    int score(const FiveGrids& grids) const noexcept { return hundredths(grids) / 100; }

    // ScoreName's result for these records (nullptr: a character without a record).
    NameScoreResult result(const CharacterRecord* s1, const CharacterRecord* s2, const CharacterRecord* g1,
                           const CharacterRecord* g2, NameShape shape) const;
    // ScoreName's result for surname + given name with the characters of the cache.
    NameScoreResult result(std::string_view surname, std::string_view given,
                           const CharacterCache& cache) const;

    std::string gridFortune(int number) override { return word(gridWord(number)); }
    std::string threeTalentFortune(std::string_view key) override;

private:
    FortuneId farGridWord(int number) const noexcept;
    FortuneId intern(const std::string& word);

    std::vector<std::string> m_words; // 0 is ""
    std::vector<int> m_factors;       // percent, by word
    std::unordered_map<std::string, FortuneId> m_wordIds;
    std::vector<FortuneId> m_grid; // by number, 0..largest row number (bounded)
    std::unordered_map<int, FortuneId> m_farGrid;
    std::array<FortuneId, kThreeTalentKeys> m_talent{};
    std::unordered_map<std::string, FortuneId> m_talentByText; // every configuration row
};

// For one surname the score depends only on the Kangxi counts of the given-name characters: this
// table holds the score of every count (one-character names) and every pair of counts
// (two-character names) among the counts it was built for.
class CountScores
{
public:
    CountScores() = default;
    // `counts`: the Kangxi counts the given names may hold (repeats allowed). s2 is ignored for a
    // one-character surname.
    CountScores(const FortuneTables& tables, int s1, int s2, int surnameLength, std::span<const int> counts);

    // The dense index of a count that was among those given.
    std::uint32_t classOf(int count) const;
    std::uint32_t classes() const noexcept { return static_cast<std::uint32_t>(m_counts.size()); }
    // The second index that stands for no second character (a one-character given name).
    std::uint32_t noSecond() const noexcept { return classes(); }

    // The score of a given name with first count class a and second class b (or noSecond()).
    int score(std::uint32_t a, std::uint32_t b) const noexcept
    {
        return m_scores[a * (m_counts.size() + 1) + b];
    }
    const std::uint8_t* row(std::uint32_t a) const noexcept { return &m_scores[a * (m_counts.size() + 1)]; }

private:
    std::vector<int> m_counts;          // sorted, distinct
    std::vector<std::uint8_t> m_scores; // by first class, then second class or noSecond()
};

} // namespace numerology
