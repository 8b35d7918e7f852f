#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace store {
class NamingStore;
}
namespace quality {
class NameChecker;
}

namespace reports {

// The comparison of names side by side: the same columns in the window (the shortlist page), the
// export and `nestling-cli compare`.
const std::vector<std::string>& comparisonHeaders();

// One row of the comparison, scored as the naming lists score (ScoreName on the characters' records).
// Cells: 编号, 姓名, 评分, 天格, 人格, 地格, 总格, 外格, 三才, 五行, 简体笔划, 合喜用, then the columns of
// nameQualityCells. 合喜用 holds the given-name characters whose element is one of `favourable` (the
// birth chart's 喜用神 joined, 木火), "无" when none is, and stays empty when no chart is known.
std::vector<std::string> comparisonRow(const store::NamingStore& store, const quality::NameChecker& checker,
                                       int number, std::string_view surname, std::string_view given,
                                       std::string_view favourable = {});

// The cells of the columns 平仄 and 提示 for a name: one 平 or 仄 per character, and what the name check
// warns of (unlucky sounds and meanings, rare characters, a monotonous tone), separated by "；"; the
// second cell is empty when there is nothing to say.
std::vector<std::string> nameQualityCells(const quality::NameChecker& checker, std::string_view surname,
                                          std::string_view given);

// The comparison as exported text: the header line and one line per row, cells separated by four
// spaces, CR LF line ends (as the other exported lists).
std::string comparisonText(const std::vector<std::vector<std::string>>& rows);

} // namespace reports
