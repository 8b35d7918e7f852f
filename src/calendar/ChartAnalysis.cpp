#include "calendar/ChartAnalysis.h"

#include "calendar/BirthChart.h"
#include "calendar/ChartTables.h"
#include "calendar/CycleNames.h"
#include "calendar/StrengthTable.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

namespace calendar {
namespace {

using detail::kStrengthTable;

// By element in kElements order (金木水火土): the element it produces and the one it controls.
constexpr std::array<size_t, 5> kProduces = {2, 3, 1, 4, 0};
constexpr std::array<size_t, 5> kControls = {1, 4, 3, 0, 2};

size_t elementIndex(std::string_view element) noexcept
{
    const auto* found = std::find(kElements.begin(), kElements.end(), element);
    return static_cast<size_t>(found - kElements.begin());
}

// The element that maps to `element` through `relation`.
size_t inverseOf(const std::array<size_t, 5>& relation, size_t element) noexcept
{
    return static_cast<size_t>(std::find(relation.begin(), relation.end(), element) - relation.begin());
}

void addBranch(std::array<double, 5>& weights, int branch, double factor)
{
    const auto& hidden = kStrengthTable.hidden[static_cast<size_t>(branch - 1)];
    const auto count =
        static_cast<size_t>(std::count_if(hidden.begin(), hidden.end(), [](int s) { return s; }));
    if (count == 0)
        return;
    for (size_t i = 0; i < count; ++i)
        weights[elementIndex(stemElement(hidden[i]))] += factor * kStrengthTable.shares[count - 1][i];
}

std::array<double, 5> weighPillars(const PillarIndexes& pillars)
{
    std::array<double, 5> weights{};
    const std::array<int, 4> indexes = {pillars.year, pillars.month, pillars.day, pillars.hour};
    for (size_t i = 0; i < indexes.size(); ++i) {
        const StemBranch pillar = StemBranchOf(indexes[i]);
        weights[elementIndex(stemElement(pillar.stem))] += kStrengthTable.stemWeight;
        // The month branch (月令) rules the season the day master was born in.
        addBranch(weights, pillar.branch, i == 1 ? kStrengthTable.monthFactor : 1.0);
    }
    return weights;
}

// 中和: the element the chart holds least, with a second one when it is missing as well (ties in the
// order 金木水火土).
std::vector<std::string_view> leastHeld(const std::array<double, 5>& weights)
{
    std::array<size_t, 5> order{};
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return weights[a] < weights[b]; });
    std::vector<std::string_view> least = {kElements[order[0]]};
    if (weights[order[1]] == 0)
        least.push_back(kElements[order[1]]);
    return least;
}

void chooseFavourable(ChartAnalysis& a)
{
    const size_t own = elementIndex(a.dayMasterElement);
    switch (a.strength) {
    case Strength::Weak:
        a.favourable = {a.producingElement, a.dayMasterElement};
        a.mainCount = 2;
        break;
    case Strength::Strong:
        // Drain and spend first: the element controlling the day master is itself held in check by
        // the one the day master produces, so those two are not both made main.
        a.favourable = {kElements[kProduces[own]], kElements[kControls[own]],
                        kElements[inverseOf(kControls, own)]};
        a.mainCount = 2;
        break;
    case Strength::Balanced:
        a.favourable = leastHeld(a.weights);
        a.mainCount = a.favourable.size();
        break;
    }
}

std::vector<std::string_view> climateOf(int monthBranch)
{
    if (monthBranch == 12 || monthBranch == 1 || monthBranch == 2)
        return {"火"};
    if (monthBranch >= 6 && monthBranch <= 8)
        return {"水"};
    return {};
}

} // namespace

std::string_view strengthName(Strength strength) noexcept
{
    switch (strength) {
    case Strength::Weak:
        return "身弱";
    case Strength::Strong:
        return "身强";
    case Strength::Balanced:
        break;
    }
    return "中和";
}

Strength strengthOf(double support, double weakBelow, double strongAbove) noexcept
{
    if (support < weakBelow)
        return Strength::Weak;
    if (support > strongAbove)
        return Strength::Strong;
    return Strength::Balanced;
}

std::optional<ChartAnalysis> analyseChart(const PillarIndexes& pillars)
{
    for (int index : {pillars.year, pillars.month, pillars.day, pillars.hour})
        if (index < 1 || index > 60)
            return std::nullopt;
    ChartAnalysis a;
    a.dayStem = StemBranchOf(pillars.day).stem;
    a.dayMaster = stemName(a.dayStem);
    a.dayMasterElement = stemElement(a.dayStem);
    a.monthBranch = StemBranchOf(pillars.month).branch;
    a.weights = weighPillars(pillars);
    a.total = std::accumulate(a.weights.begin(), a.weights.end(), 0.0);
    const size_t own = elementIndex(a.dayMasterElement);
    const size_t producing = inverseOf(kProduces, own);
    a.producingElement = kElements[producing];
    a.supportWeight = a.weights[own] + a.weights[producing];
    a.support = a.supportWeight / a.total;
    a.weakBelow = kStrengthTable.weakBelow;
    a.strongAbove = kStrengthTable.strongAbove;
    a.strength = strengthOf(a.support, a.weakBelow, a.strongAbove);
    chooseFavourable(a);
    a.climate = climateOf(a.monthBranch);
    a.method = kStrengthTable.method;
    return a;
}

std::optional<ChartAnalysis> analyseBirth(int year, int month, int day, int hour, LateZi lateZi)
{
    const DateTime birth{year, month, day, hour, 0, 0};
    if (!isValidDateTime(birth))
        return std::nullopt;
    return analyseChart(FourPillars(birth, lateZi));
}

std::string mainFavourable(const ChartAnalysis& analysis)
{
    std::string text;
    for (size_t i = 0; i < analysis.mainCount && i < analysis.favourable.size(); ++i)
        text += analysis.favourable[i];
    return text;
}

std::string formatWeight(double weight)
{
    return formatDecimal(weight, 2);
}

std::string formatDecimal(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, std::round(value * scale) / scale);
    std::string text = buffer;
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

namespace {

std::string percent(double share)
{
    return formatWeight(share * 100) + "%";
}

std::string weightsSentence(const ChartAnalysis& a)
{
    std::string text = "五行分值：";
    for (size_t i = 0; i < kElements.size(); ++i)
        text += std::string(i ? "、" : "") + std::string(kElements[i]) + formatWeight(a.weights[i]);
    return text + "，合计" + formatWeight(a.total) + "。";
}

std::string verdictSentence(const ChartAnalysis& a)
{
    std::string text = "同党（" + std::string(a.dayMasterElement) + "与生" + std::string(a.dayMasterElement) +
                       "的" + std::string(a.producingElement) + "）共" + formatWeight(a.supportWeight) +
                       "分，占" + percent(a.support) + "，";
    switch (a.strength) {
    case Strength::Weak:
        return text + "低于" + percent(a.weakBelow) + "，判为身弱。";
    case Strength::Strong:
        return text + "高于" + percent(a.strongAbove) + "，判为身强。";
    case Strength::Balanced:
        break;
    }
    return text + "在" + percent(a.weakBelow) + "与" + percent(a.strongAbove) + "之间，判为中和。";
}

std::string joined(const std::vector<std::string_view>& elements, size_t from, size_t to)
{
    std::string text;
    for (size_t i = from; i < to && i < elements.size(); ++i)
        text += std::string(i > from ? "、" : "") + std::string(elements[i]);
    return text;
}

std::string favourableSentence(const ChartAnalysis& a)
{
    const auto& f = a.favourable;
    switch (a.strength) {
    case Strength::Weak:
        return "身弱宜扶：喜用神取生身的" + std::string(f[0]) + "与同类的" + std::string(f[1]) + "。";
    case Strength::Strong:
        return "身强宜抑：喜用神先取日主所生的" + std::string(f[0]) + "（泄其有余）与日主所克的" +
               std::string(f[1]) + "（耗其有余），其次是克日主的" + std::string(f[2]) + "；克日主的" +
               std::string(f[2]) + "受" + std::string(f[0]) + "所克，二者不同取为主。";
    case Strength::Balanced:
        break;
    }
    return "中和宜补其所少：喜用神取分值最少的" + joined(f, 0, f.size()) + "。";
}

std::string climateSentence(const ChartAnalysis& a)
{
    const std::string month(branchName(a.monthBranch));
    if (a.climate.empty())
        return "调候：生于" + month + "月，寒暖适中，不另取调候。";
    if (a.climate.front() == "火")
        return "调候（另一条，不计入上面的喜用神）：生于冬季" + month + "月，寒气重，宜火暖局。";
    return "调候（另一条，不计入上面的喜用神）：生于夏季" + month + "月，燥热，宜水润局。";
}

} // namespace

std::string analysisExplanation(const ChartAnalysis& a)
{
    std::string text = "日主" + std::string(a.dayMaster) + "，属" + std::string(a.dayMasterElement) + "。";
    text += "天干各计" + formatWeight(kStrengthTable.stemWeight) + "分，地支按所藏天干分配（本气" +
            percent(kStrengthTable.shares[2][0]) + "、中气" + percent(kStrengthTable.shares[2][1]) +
            "、余气" + percent(kStrengthTable.shares[2][2]) + "；只藏两干的按" +
            percent(kStrengthTable.shares[1][0]) + "、" + percent(kStrengthTable.shares[1][1]) + "），月令" +
            std::string(branchName(a.monthBranch)) + "的分值×" + formatWeight(kStrengthTable.monthFactor) +
            "。";
    text += weightsSentence(a) + verdictSentence(a) + favourableSentence(a);
    return text + "\r\n" + climateSentence(a);
}

std::string methodNote(const ChartAnalysis& a)
{
    return "以上按" + std::string(a.method) +
           "得出，是一种传统流派的算法，数字都已列出，可以自行核对；其他流派的计分和界限不同，结论也可能不同"
           "。";
}

} // namespace calendar
