#pragma once

#include "calendar/FourPillars.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace calendar {

// How strong the day master stands in its chart.
enum class Strength
{
    Weak,     // 身弱
    Balanced, // 中和
    Strong,   // 身强
};

// "身弱", "中和", "身强".
std::string_view strengthName(Strength strength) noexcept;

// The verdict for a support share: below `weakBelow` weak, above `strongAbove` strong, else balanced
// (both bounds themselves are balanced).
Strength strengthOf(double support, double weakBelow, double strongAbove) noexcept;

// The day master's strength and the elements a child of that chart needs, by one traditional school's
// method (扶抑 with hidden stems weighted by fixed shares, data-src/chart/day-master-strength.tsv). Every
// figure is kept so that a reader can check the verdict by hand.
struct ChartAnalysis
{
    int dayStem = 0;                   // 1 (甲) to 10 (癸)
    std::string_view dayMaster;        // 日干, one character
    std::string_view dayMasterElement; // its element
    int monthBranch = 0;               // 1 (子) to 12 (亥): the month that weighs 月令 and 调候
    // Weights of 金, 木, 水, 火, 土 (kElements order) from the stems and the branches' hidden stems.
    std::array<double, 5> weights{};
    double total = 0;
    std::string_view producingElement; // the element producing the day master's
    double supportWeight = 0;          // 同党: the day master's element and the producing one
    double support = 0;                // supportWeight / total
    double weakBelow = 0;              // the bounds the verdict compares `support` with
    double strongAbove = 0;
    Strength strength = Strength::Balanced;
    // 喜用神 by 扶抑, the main ones first: weak, the producing element then the day master's own;
    // strong, the element it produces, the one it controls, then the one controlling it; balanced, the
    // element the chart holds least (and a second one when that is missing too).
    std::vector<std::string_view> favourable;
    size_t mainCount = 0; // how many of `favourable` are the main ones (what naming from the chart uses)
    // 调候, apart from 扶抑: 火 for a winter month (亥子丑), 水 for a summer month (巳午未), else none.
    std::vector<std::string_view> climate;
    std::string_view method; // the convention's name
};

// The analysis of four pillars (sixty-cycle indexes); nullopt unless all four are 1 to 60.
std::optional<ChartAnalysis> analyseChart(const PillarIndexes& pillars);

// The analysis of a birth date and hour, as buildBirthChartText takes them; nullopt when there is no chart.
std::optional<ChartAnalysis> analyseBirth(int year, int month, int day, int hour,
                                          LateZi lateZi = LateZi::NextDay);

// The main favourable elements joined without separator, in their order (木火).
std::string mainFavourable(const ChartAnalysis& analysis);

// A number with at most `decimals` decimals, trailing zeros dropped (2.3, 1, 0.2706).
std::string formatDecimal(double value, int decimals);
// A weight as the page prints it: at most two decimals (2.3, 1, 0.45).
std::string formatWeight(double weight);

// The page's paragraph in plain words: the weights, the support share against the bounds, the verdict,
// the favourable elements and why, then 调候 on a line of its own.
std::string analysisExplanation(const ChartAnalysis& analysis);

// The page's label that this is one school's method:
// "以上按子平扶抑法……，是一种传统流派的算法，其他流派可能不同。"
std::string methodNote(const ChartAnalysis& analysis);

} // namespace calendar
