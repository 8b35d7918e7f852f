#include "numerology/FortuneTables.h"

#include "numerology/SplitCharacters.h"
#include "store/TableLayouts.h"

#include <algorithm>
#include <limits>

namespace numerology {
namespace {

// Numbers up to this one are held in a plain array; a row with a larger (or negative) number, which
// no real table has, goes into a map.
constexpr int kDenseNumbers = 1 << 12;

constexpr std::array<std::string_view, 5> kElementTexts = {"木", "火", "土", "金", "水"};

const std::array<std::string, kThreeTalentKeys>& keyTexts()
{
    static const std::array<std::string, kThreeTalentKeys> texts = [] {
        std::array<std::string, kThreeTalentKeys> out;
        for (int k = 0; k < kThreeTalentKeys; ++k) {
            std::string& text = out[static_cast<size_t>(k)];
            text += kElementTexts[static_cast<size_t>(k / 25)];
            text += kElementTexts[static_cast<size_t>(k / 5 % 5)];
            text += kElementTexts[static_cast<size_t>(k % 5)];
        }
        return out;
    }();
    return texts;
}

} // namespace

std::string_view threeTalentKeyText(int keyNumber) noexcept
{
    return keyTexts()[static_cast<size_t>(keyNumber)];
}

FortuneTables::FortuneTables() : m_words{""}, m_factors{0}, m_wordIds{{"", 0}} {}

FortuneTables::FortuneTables(const store::NamingStore& store) : FortuneTables()
{
    // The first row of each number and of each key, as a lookup by that number or key finds it. A
    // lookup binds an integer or a text, so rows keyed by anything else never answer one.
    std::vector<bool> seen;
    namespace numbers81 = store::number;
    namespace talent = store::talent;
    static const std::string numberSql = [] {
        const std::string id(numbers81::kId.name);
        return store::selectSql(store::kNumberTable, {numbers81::kId, numbers81::kFortune},
                                "where typeof(" + id + ") = 'integer' and " + id +
                                    " between ? and ? order by rowid");
    }();
    store::StoreQuery numbers = store.Query(numberSql, {std::int64_t{std::numeric_limits<int>::min()},
                                                        std::int64_t{std::numeric_limits<int>::max()}});
    for (bool row = store.hasRow(numbers); row; row = store.Step(numbers)) {
        const int number = store.ColumnInt(numbers, numbers81::kId);
        const FortuneId word = intern(store.ColumnText(numbers, numbers81::kFortune));
        if (number < 0 || number >= kDenseNumbers) {
            m_farGrid.try_emplace(number, word);
            continue;
        }
        const auto index = static_cast<size_t>(number);
        if (index >= m_grid.size()) {
            m_grid.resize(index + 1, FortuneId{0});
            seen.resize(index + 1, false);
        }
        if (!seen[index])
            m_grid[index] = word;
        seen[index] = true;
    }

    static const std::string talentSql =
        store::selectSql(store::kThreeTalentTable, {talent::kKey, talent::kFortune},
                         "where typeof(" + std::string(talent::kKey.name) + ") = 'text' order by rowid");
    store::StoreQuery talents = store.Query(talentSql);
    for (bool row = store.hasRow(talents); row; row = store.Step(talents))
        m_talentByText.try_emplace(store.ColumnText(talents, talent::kKey),
                                   intern(store.ColumnText(talents, talent::kFortune)));
    for (int k = 0; k < kThreeTalentKeys; ++k) {
        const auto it = m_talentByText.find(keyTexts()[static_cast<size_t>(k)]);
        m_talent[static_cast<size_t>(k)] = it == m_talentByText.end() ? FortuneId{0} : it->second;
    }
}

FortuneId FortuneTables::intern(const std::string& word)
{
    const auto [it, added] = m_wordIds.try_emplace(word, static_cast<FortuneId>(m_words.size()));
    if (!added)
        return it->second;
    m_words.push_back(word);
    m_factors.push_back(fortuneFactorPercent(word));
    return static_cast<FortuneId>(m_words.size() - 1);
}

FortuneId FortuneTables::farGridWord(int number) const noexcept
{
    const auto it = m_farGrid.find(number);
    return it == m_farGrid.end() ? FortuneId{0} : it->second;
}

int FortuneTables::hundredths(const FiveGrids& grids) const noexcept
{
    return kGridWeights[kHeaven] * m_factors[gridWord(grids.heaven)] +
           kGridWeights[kPerson] * m_factors[gridWord(grids.person)] +
           kGridWeights[kEarth] * m_factors[gridWord(grids.earth)] +
           kGridWeights[kTotal] * m_factors[gridWord(grids.total)] +
           kGridWeights[kOuter] * m_factors[gridWord(grids.outer)] +
           kGridWeights[kThreeTalents] * m_factors[talentWord(threeTalentKeyNumber(grids))];
}

NameScoreResult FortuneTables::result(const CharacterRecord* s1, const CharacterRecord* s2,
                                      const CharacterRecord* g1, const CharacterRecord* g2,
                                      NameShape shape) const
{
    NameScoreResult result = nameWithoutFortunes({s1, s2, g1, g2, shape});
    const std::array<int, 5> grids = result.grids.values();
    for (size_t i = 0; i < grids.size(); ++i)
        result.fortunes[i] = word(gridWord(grids[i]));
    result.fortunes[kThreeTalents] = word(talentWord(threeTalentKeyNumber(result.grids)));
    result.score = score(result.grids);
    return result;
}

NameScoreResult FortuneTables::result(std::string_view surname, std::string_view given,
                                      const CharacterCache& cache) const
{
    const NameRecords name = findNameRecords(surname, given, cache);
    return result(name.s1, name.s2, name.g1, name.g2, name.shape);
}

std::string FortuneTables::threeTalentFortune(std::string_view key)
{
    const auto it = m_talentByText.find(std::string(key));
    return it == m_talentByText.end() ? std::string() : word(it->second);
}

CountScores::CountScores(const FortuneTables& tables, int s1, int s2, int surnameLength,
                         std::span<const int> counts)
    : m_counts(counts.begin(), counts.end())
{
    std::sort(m_counts.begin(), m_counts.end());
    m_counts.erase(std::unique(m_counts.begin(), m_counts.end()), m_counts.end());
    const size_t n = m_counts.size();
    m_scores.resize(n * (n + 1));
    for (size_t a = 0; a < n; ++a) {
        std::uint8_t* row = &m_scores[a * (n + 1)];
        for (size_t b = 0; b < n; ++b)
            row[b] = static_cast<std::uint8_t>(
                tables.score(ComputeFiveGrids(s1, s2, m_counts[a], m_counts[b], {surnameLength, 2})));
        row[n] = static_cast<std::uint8_t>(
            tables.score(ComputeFiveGrids(s1, s2, m_counts[a], 0, {surnameLength, 1})));
    }
}

std::uint32_t CountScores::classOf(int count) const
{
    const auto it = std::lower_bound(m_counts.begin(), m_counts.end(), count);
    return static_cast<std::uint32_t>(it - m_counts.begin());
}

} // namespace numerology
