#include "reports/Comparison.h"

#include "naming/FavourableElementsFilter.h"
#include "numerology/FiveGrids.h"
#include "numerology/FortuneSource.h"
#include "numerology/NameScore.h"
#include "numerology/SplitCharacters.h"
#include "quality/NameChecker.h"

namespace reports {
namespace {

constexpr std::string_view kColumnSeparator = "    ";

// 合喜用: which given-name characters carry a favourable element.
std::string favourableCell(const store::NamingStore& store, std::string_view given,
                           std::string_view favourable)
{
    if (favourable.empty())
        return {};
    const std::vector<std::string> characters = numerology::SplitCharacters(std::string(given));
    std::vector<std::string> elements;
    elements.reserve(characters.size());
    for (const std::string& character : characters)
        elements.push_back(numerology::LookupCharacter(store, character).element);
    const std::string carried = naming::favourableCharacters(characters, elements, favourable);
    return carried.empty() ? "无" : carried;
}

} // namespace

const std::vector<std::string>& comparisonHeaders()
{
    static const std::vector<std::string> headers = {"编号",     "姓名",   "评分", "天格", "人格",
                                                     "地格",     "总格",   "外格", "三才", "五行",
                                                     "简体笔划", "合喜用", "平仄", "提示"};
    return headers;
}

std::vector<std::string> nameQualityCells(const quality::NameChecker& checker, std::string_view surname,
                                          std::string_view given)
{
    const quality::NameQuality q = checker.check(surname, given, false);
    std::vector<std::string> lines = q.markLines();
    if (std::string hint = q.toneHint(); !hint.empty())
        lines.push_back(std::move(hint));
    std::string hints;
    for (const std::string& line : lines)
        hints += (hints.empty() ? "" : "；") + line;
    return {q.pingze(), hints};
}

std::vector<std::string> comparisonRow(const store::NamingStore& store, const quality::NameChecker& checker,
                                       int number, std::string_view surname, std::string_view given,
                                       std::string_view favourable)
{
    numerology::CharacterCache cache;
    for (const std::string& part : numerology::SplitCharacters(std::string(surname) + std::string(given)))
        cache.add(numerology::LookupCharacter(store, part));
    numerology::StoreFortunes fortunes(store);
    const numerology::NameScoreResult result = numerology::ScoreName(surname, given, cache, fortunes);
    const numerology::FiveGrids& g = result.grids;
    std::vector<std::string> cells = {std::to_string(number),
                                      std::string(surname) + std::string(given),
                                      std::to_string(result.score),
                                      std::to_string(g.heaven),
                                      std::to_string(g.person),
                                      std::to_string(g.earth),
                                      std::to_string(g.total),
                                      std::to_string(g.outer),
                                      result.threeTalentKey,
                                      result.elements,
                                      std::to_string(result.simplifiedTotal),
                                      favourableCell(store, given, favourable)};
    for (std::string& cell : nameQualityCells(checker, surname, given))
        cells.push_back(std::move(cell));
    return cells;
}

std::string comparisonText(const std::vector<std::vector<std::string>>& rows)
{
    const auto line = [](const std::vector<std::string>& cells) {
        std::string out;
        for (size_t i = 0; i < cells.size(); ++i) {
            if (i > 0)
                out += kColumnSeparator;
            out += cells[i];
        }
        return out + "\r\n";
    };
    std::string text = line(comparisonHeaders());
    for (const auto& row : rows)
        text += line(row);
    return text;
}

} // namespace reports
