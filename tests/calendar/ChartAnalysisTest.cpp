#include "calendar/ChartAnalysis.h"
#include "calendar/ChartTables.h"
#include "calendar/CycleNames.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using calendar::Strength;

int cycleIndexOf(std::string_view text)
{
    for (int n = 1; n <= 60; ++n)
        if (calendar::CycleText(n) == text)
            return n;
    return 0;
}

calendar::PillarIndexes pillarsOf(std::string_view year, std::string_view month, std::string_view day,
                                  std::string_view hour)
{
    return {cycleIndexOf(year), cycleIndexOf(month), cycleIndexOf(day), cycleIndexOf(hour)};
}

std::string joined(const std::vector<std::string_view>& elements)
{
    std::string text;
    for (std::string_view element : elements)
        text += element;
    return text;
}

struct WorkedChart
{
    const char* birth;
    calendar::PillarIndexes pillars;
    std::array<double, 5> weights; // 金木水火土, worked out by hand in the comment above each row
    double supportWeight;
    Strength strength;
    const char* favourable;
    size_t mainCount;
    const char* climate;
};

// Stems count 1 each; a branch splits 1 among its hidden stems (one: 1; two: 0.7 0.3; three: 0.6 0.3
// 0.1), the month branch times 1.5: 8.5 in all.
const WorkedChart kWorkedCharts[] = {
    // 丁 in 子 month, weak, winter. Stems 壬 壬 丁 庚: 水2 火1 金1. 辰: 戊.6 乙.3 癸.1; 子 ×1.5: 癸1.5;
    // 卯: 乙1; 子: 癸1. 金1 木1.3 水4.6 火1 土0.6; 同党 火1 + 木1.3 = 2.3 (27 %).
    {"2013-1-1 0",
     pillarsOf("壬辰", "壬子", "丁卯", "庚子"),
     {1, 1.3, 4.6, 1, 0.6},
     2.3,
     Strength::Weak,
     "木火",
     2,
     "火"},
    // 壬 in 亥 month, strong, winter. Stems 壬 辛 壬 庚: 水2 金2. 子: 癸1; 亥 ×1.5: 壬1.05 甲.45;
    // 申: 庚.6 壬.3 戊.1; 子: 癸1. 金2.6 木.45 水5.35 火0 土.1; 同党 水5.35 + 金2.6 = 7.95 (94 %).
    {"1972-12-7 0",
     pillarsOf("壬子", "辛亥", "壬申", "庚子"),
     {2.6, 0.45, 5.35, 0, 0.1},
     7.95,
     Strength::Strong,
     "木火土",
     2,
     "火"},
    // 壬 in 巳 month, balanced, summer. Stems 庚 辛 壬 丙: 金2 水1 火1. 午: 丁.7 己.3; 巳 ×1.5: 丙.9
    // 庚.45 戊.15; 申: 庚.6 壬.3 戊.1; 午: 丁.7 己.3. 金3.05 木0 水1.3 火3.3 土.85; 同党 4.35 (51 %).
    {"1990-5-7 12",
     pillarsOf("庚午", "辛巳", "壬申", "丙午"),
     {3.05, 0, 1.3, 3.3, 0.85},
     4.35,
     Strength::Balanced,
     "木",
     1,
     "水"},
    // 癸 in 寅 month, balanced, spring (no 调候). Stems 庚 戊 癸 壬: 金1 土1 水2. 午: 丁.7 己.3;
    // 寅 ×1.5: 甲.9 丙.45 戊.15; 卯: 乙1; 子: 癸1. 金1 木1.9 水3 火1.15 土1.45; 同党 水3 + 金1 = 4 (47 %).
    {"1990-2-7 0",
     pillarsOf("庚午", "戊寅", "癸卯", "壬子"),
     {1, 1.9, 3, 1.15, 1.45},
     4,
     Strength::Balanced,
     "金",
     1,
     ""},
};

TEST(ChartAnalysis, WorkedChartsByHand)
{
    for (const WorkedChart& c : kWorkedCharts) {
        SCOPED_TRACE(c.birth);
        const auto a = calendar::analyseChart(c.pillars);
        ASSERT_TRUE(a);
        for (size_t i = 0; i < 5; ++i)
            EXPECT_NEAR(a->weights[i], c.weights[i], 1e-9) << calendar::kElements[i];
        EXPECT_NEAR(a->total, 8.5, 1e-9);
        EXPECT_NEAR(a->supportWeight, c.supportWeight, 1e-9);
        EXPECT_NEAR(a->support, c.supportWeight / 8.5, 1e-9);
        EXPECT_EQ(a->strength, c.strength);
        EXPECT_EQ(joined(a->favourable), c.favourable);
        EXPECT_EQ(a->mainCount, c.mainCount);
        EXPECT_EQ(joined(a->climate), c.climate);
    }
}

TEST(ChartAnalysis, BirthDatesGiveTheirPillarsAnalysis)
{
    const auto byDate = calendar::analyseBirth(1972, 12, 7, 0);
    ASSERT_TRUE(byDate);
    EXPECT_EQ(byDate->dayMaster, "壬");
    EXPECT_EQ(byDate->dayMasterElement, "水");
    EXPECT_EQ(byDate->producingElement, "金");
    EXPECT_NEAR(byDate->supportWeight, 7.95, 1e-9);
    EXPECT_EQ(calendar::mainFavourable(*byDate), "木火");

    EXPECT_FALSE(calendar::analyseBirth(2013, 2, 30, 0)); // no such day
    EXPECT_FALSE(calendar::analyseBirth(2049, 1, 1, 0));  // beyond the calendar's table
    EXPECT_FALSE(calendar::analyseChart({1, 0, 3, 4}));   // a pillar missing
    EXPECT_FALSE(calendar::analyseChart({1, 61, 3, 4}));
}

TEST(ChartAnalysis, BoundsThemselvesAreBalanced)
{
    const auto a = calendar::analyseChart(kWorkedCharts[0].pillars);
    ASSERT_TRUE(a);
    EXPECT_DOUBLE_EQ(a->weakBelow, 0.45);
    EXPECT_DOUBLE_EQ(a->strongAbove, 0.55);
    const std::pair<double, Strength> cases[] = {
        {0.0, Strength::Weak},      {0.4499, Strength::Weak},   {0.45, Strength::Balanced},
        {0.55, Strength::Balanced}, {0.5501, Strength::Strong}, {1.0, Strength::Strong},
    };
    for (const auto& [support, strength] : cases)
        EXPECT_EQ(calendar::strengthOf(support, 0.45, 0.55), strength) << support;
}

// Across the years the combos and the command line reach: a strong day master is never given more of
// itself, a weak one always is, and both verdicts occur.
TEST(ChartAnalysis, VerdictsAgreeWithTheirFavourableElementsOnSixtyDates)
{
    int strong = 0;
    int weak = 0;
    for (int i = 0; i < 60; ++i) {
        const int year = 1950 + i * 95 / 59;
        const int month = 1 + i * 7 % 12;
        const int day = 1 + i * 11 % 28;
        const int hour = i * 5 % 24;
        const auto a = calendar::analyseBirth(year, month, day, hour);
        ASSERT_TRUE(a) << year << '-' << month << '-' << day;
        EXPECT_NEAR(a->total, 8.5, 1e-9);
        const std::vector<std::string_view> main(a->favourable.begin(),
                                                 a->favourable.begin() + static_cast<long>(a->mainCount));
        const auto holds = [&](std::string_view e) {
            return std::find(main.begin(), main.end(), e) != main.end();
        };
        const auto anywhere = [&](std::string_view e) {
            return std::find(a->favourable.begin(), a->favourable.end(), e) != a->favourable.end();
        };
        if (a->strength == Strength::Strong) {
            ++strong;
            EXPECT_FALSE(anywhere(a->dayMasterElement) || anywhere(a->producingElement)) << year;
        }
        if (a->strength == Strength::Weak) {
            ++weak;
            EXPECT_TRUE(holds(a->dayMasterElement) || holds(a->producingElement)) << year;
        }
    }
    EXPECT_GT(strong, 0);
    EXPECT_GT(weak, 0);
}

TEST(ChartAnalysis, ExplanationShowsTheFiguresAndTheMethod)
{
    const auto a = calendar::analyseChart(kWorkedCharts[0].pillars);
    ASSERT_TRUE(a);
    const std::string text = calendar::analysisExplanation(*a);
    for (const char* part : {"日主丁，属火。", "月令子的分值×1.5", "金1、木1.3、水4.6、火1、土0.6，合计8.5",
                             "同党（火与生火的木）共2.3分，占27.06%，低于45%，判为身弱", "生身的木与同类的火",
                             "\r\n调候（另一条，不计入上面的喜用神）：生于冬季子月"})
        EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;
    EXPECT_NE(calendar::methodNote(*a).find("一种传统流派"), std::string::npos);

    const auto strong = calendar::analyseChart(kWorkedCharts[1].pillars);
    ASSERT_TRUE(strong);
    EXPECT_NE(calendar::analysisExplanation(*strong).find("先取日主所生的木（泄其有余）与日主所克的火"),
              std::string::npos);
    const auto spring = calendar::analyseChart(kWorkedCharts[3].pillars);
    ASSERT_TRUE(spring);
    EXPECT_NE(calendar::analysisExplanation(*spring).find("在45%与55%之间，判为中和"), std::string::npos);
    EXPECT_NE(calendar::analysisExplanation(*spring).find("不另取调候"), std::string::npos);
}

TEST(ChartAnalysis, WeightsPrintWithAtMostTwoDecimals)
{
    const std::pair<double, const char*> cases[] = {
        {1, "1"}, {1.3, "1.3"}, {0.45, "0.45"},       {27.0588, "27.06"},
        {0, "0"}, {8.5, "8.5"}, {4.6000000001, "4.6"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(calendar::formatWeight(value), text);
}

} // namespace
