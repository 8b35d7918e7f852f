#include "numerology/NameScore.h"

#include "numerology/SplitCharacters.h"

namespace numerology {
namespace {

int strokes(const CharacterRecord* record, int CharacterRecord::*field)
{
    return record ? record->*field : 0;
}

void appendElement(std::string& out, const CharacterRecord* record)
{
    if (record)
        out += record->element;
}

} // namespace

int fortuneFactorPercent(std::string_view word) noexcept
{
    if (word == "大吉" || word == "吉")
        return 100;
    if (word == "中")
        return 85;
    if (word == "凶")
        return 60;
    if (word == "大凶")
        return 30;
    return 0;
}

int weightedHundredths(const std::array<std::string, 6>& fortunes) noexcept
{
    int hundredths = 0;
    for (size_t i = 0; i < fortunes.size(); ++i)
        hundredths += kGridWeights[i] * fortuneFactorPercent(fortunes[i]);
    return hundredths;
}

NameRecords findNameRecords(std::string_view surname, std::string_view given, const CharacterCache& cache)
{
    const std::vector<std::string> surnameParts = SplitCharacters(surname);
    const std::vector<std::string> givenParts = SplitCharacters(given);
    const auto find = [&](const std::vector<std::string>& parts, size_t i) -> const CharacterRecord* {
        return i < parts.size() ? cache.FindCharacter(parts[i]) : nullptr;
    };
    const NameShape shape{surnameParts.size() >= 2 ? 2 : 1, givenParts.size() >= 2 ? 2 : 1};
    return {find(surnameParts, 0), shape.surname == 2 ? find(surnameParts, 1) : nullptr, find(givenParts, 0),
            shape.given == 2 ? find(givenParts, 1) : nullptr, shape};
}

NameScoreResult nameWithoutFortunes(const NameRecords& name)
{
    const CharacterRecord* s2 = name.shape.surname == 2 ? name.s2 : nullptr;
    const CharacterRecord* g2 = name.shape.given == 2 ? name.g2 : nullptr;
    NameScoreResult result;
    const auto trad = &CharacterRecord::traditionalStrokes;
    const auto simp = &CharacterRecord::simplifiedStrokes;
    result.grids = ComputeFiveGrids(strokes(name.s1, trad), strokes(s2, trad), strokes(name.g1, trad),
                                    strokes(g2, trad), name.shape);
    result.threeTalentKey = ThreeTalentKey(result.grids);
    result.simplifiedTotal =
        strokes(name.s1, simp) + strokes(s2, simp) + strokes(name.g1, simp) + strokes(g2, simp);
    for (const CharacterRecord* record : {name.s1, s2, name.g1, g2})
        appendElement(result.elements, record);
    return result;
}

NameScoreResult ScoreName(const CharacterRecord* s1, const CharacterRecord* s2, const CharacterRecord* g1,
                          const CharacterRecord* g2, NameShape shape, FortuneSource& fortunes)
{
    NameScoreResult result = nameWithoutFortunes({s1, s2, g1, g2, shape});
    const std::array<int, 5> grids = result.grids.values();
    for (size_t i = 0; i < grids.size(); ++i)
        result.fortunes[i] = fortunes.gridFortune(grids[i]);
    result.fortunes[kThreeTalents] = fortunes.threeTalentFortune(result.threeTalentKey);
    result.score = weightedScore(result.fortunes);
    return result;
}

NameScoreResult ScoreName(std::string_view surname, std::string_view given, const CharacterCache& cache,
                          FortuneSource& fortunes)
{
    const NameRecords name = findNameRecords(surname, given, cache);
    return ScoreName(name.s1, name.s2, name.g1, name.g2, name.shape, fortunes);
}

std::optional<int> ScoreCeiling(std::string_view heavenFortune) noexcept
{
    const int factor = fortuneFactorPercent(heavenFortune);
    if (factor == 0)
        return std::nullopt;
    // 100 - 5 x (1 - f), truncated: in hundredths 10000 - 5 x (100 - f).
    return (10000 - kGridWeights[kHeaven] * (100 - factor)) / 100;
}

} // namespace numerology
