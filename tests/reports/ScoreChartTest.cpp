#include "ReportFixture.h"

#include "numerology/NameScore.h"
#include "reports/NameReport.h"
#include "reports/ReportTemplate.h"
#include "reports/ScoreChart.h"
#include "text/Utf8.h"

#include <regex>

namespace {

using reports::NameReport;

class ScoreChartTest : public ReportFixture
{
};

// Each part's row names its grid and fortune and says its points out of its weight with the report's
// numbers; the kept bars are as long as the points, and the parts add up to the report's sum.
TEST_F(ScoreChartTest, SixPartsWithTheReportsNumbers)
{
    for (const auto& [surname, given] : {std::pair{"李", "明华"}, {"欧阳", "华"}, {"李", "空"}}) {
        SCOPED_TRACE(std::string(surname) + given);
        const NameReport report = reports::computeNameReport(m_store, surname, given);
        const std::string svg = reports::scoreChartSvg(report);
        const auto parts = reports::scoreParts(report);
        const std::array<int, 5> numbers = report.grids.values();
        const char* const labels[] = {"天格", "人格", "地格", "总格", "外格", "三才"};
        int sum = 0;
        for (size_t i = 0; i < parts.size(); ++i) {
            const std::string fortune = i < 5 ? report.gridReadings[i].fortune : report.threeTalents.fortune;
            const std::string number = i < 5 ? std::to_string(numbers[i]) : report.threeTalents.key;
            EXPECT_EQ(parts[i].label, labels[i]);
            EXPECT_EQ(parts[i].weight, numerology::kGridWeights[i]);
            EXPECT_EQ(parts[i].pointsHundredths, parts[i].weight * numerology::fortuneFactorPercent(fortune));
            const std::string row =
                std::string(labels[i]) + " " + number + " " + (fortune.empty() ? "无" : fortune);
            EXPECT_NE(svg.find(">" + row + "<"), std::string::npos) << row;
            EXPECT_NE(svg.find(">" + reports::pointsText(parts[i].pointsHundredths) + " / " +
                               std::to_string(parts[i].weight) + " 分"),
                      std::string::npos);
            sum += parts[i].pointsHundredths;
        }
        EXPECT_EQ(sum, report.weightedHundredths);
        EXPECT_NE(
            svg.find("合计 " + reports::pointsText(sum) + " 分，取整为评分 " + std::to_string(report.score)),
            std::string::npos);

        const std::regex kept("class=\"kept\" x=\"\\d+\" y=\"\\d+\" width=\"(\\d+)\"");
        size_t i = 0;
        for (auto it = std::sregex_iterator(svg.begin(), svg.end(), kept); it != std::sregex_iterator();
             ++it, ++i)
            EXPECT_EQ(std::stoi((*it)[1]), parts.at(i).pointsHundredths * 8 / 100);
        EXPECT_EQ(i, 6u);

        // The three talents in their colours, with the relation of each to the next.
        const std::vector<std::string> talents = text::utf8Characters(report.threeTalents.key);
        ASSERT_EQ(talents.size(), 3u);
        for (const std::string& element : talents)
            EXPECT_NE(svg.find(std::string(reports::elementColour(element))), std::string::npos);
        for (size_t t = 0; t + 1 < 3; ++t)
            EXPECT_NE(svg.find(">" + reports::talentLink(talents[t], talents[t + 1]).relation + "</text>"),
                      std::string::npos);
        EXPECT_EQ(svg.find("<script"), std::string::npos);
        EXPECT_NE(reports::FillReportTemplate(reports::nameReportTemplate(), report).find(svg),
                  std::string::npos);
    }
}

TEST(ScoreChart, TalentLinksFollowTheGeneratingAndOvercomingCycles)
{
    const struct
    {
        const char* from;
        const char* to;
        const char* relation;
        bool forward;
    } cases[] = {
        {"木", "火", "生", true},   {"火", "木", "生", false}, {"水", "木", "生", true},
        {"木", "土", "克", true},   {"土", "木", "克", false}, {"金", "木", "克", true},
        {"金", "金", "比和", true}, {"", "金", "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.from) + c.to);
        const reports::TalentLink link = reports::talentLink(c.from, c.to);
        EXPECT_EQ(link.relation, c.relation);
        EXPECT_EQ(link.forward, c.forward);
    }
    EXPECT_EQ(reports::pointsText(2550), "25.5");
    EXPECT_EQ(reports::pointsText(425), "4.25");
    EXPECT_EQ(reports::pointsText(500), "5");
}

} // namespace
