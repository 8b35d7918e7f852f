#include "app/ChartAnalysisView.h"
#include "app/BirthChartPage.h"
#include "app/ControlNames.h"
#include "app/testing/FakeHost.h"

#include <gtest/gtest.h>

namespace {

using namespace app;
using app::testing::FakeControl;
using app::testing::FakeHost;
using app::testing::FakeWindow;

// The chart worked out by hand in the calendar's tests: 2013-1-1 0, 丁 day master in 子 month, weights
// 金1 木1.3 水4.6 火1 土0.6 of 8.5, 同党 火 + 木 = 2.3 (27.06 %), weak, 木火 wanted, 火 for the winter.
TEST(ChartAnalysisView, ShowsTheFiguresTheVerdictRestsOn)
{
    FakeHost host;
    FakeWindow& w = host.main();
    showChartAnalysis(w, calendar::analyseBirth(2013, 1, 1, 0));

    ASSERT_EQ(w.rowCount(names::超级列表框_五行分值), 5);
    const std::vector<std::vector<std::string>> rows = {{"金", "1", "11.76%", "异党"},
                                                        {"木", "1.3", "15.29%", "同党"},
                                                        {"水", "4.6", "54.12%", "异党"},
                                                        {"火", "1", "11.76%", "同党"},
                                                        {"土", "0.6", "7.06%", "异党"}};
    for (int r = 0; r < 5; ++r)
        EXPECT_EQ(w.row(names::超级列表框_五行分值, r).cells, rows[static_cast<size_t>(r)]);
    const FakeControl* bar = w.find(names::进度条_同党);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->progressValue, 271);
    EXPECT_EQ(bar->progressMaximum, 1000);
    EXPECT_EQ(w.text(names::透明标签_日主强弱),
              "日主丁火：同党 2.3 / 8.5 = 27.06%（低于 45% 为身弱，高于 55% 为身强）→ 身弱");
    EXPECT_EQ(w.text(names::喜用神标签), "木火");
    EXPECT_EQ(w.text(names::透明标签_喜用神), "喜用神（扶抑）：木、火    调候：火");
    const std::string explanation = w.text(names::透明标签_喜用神说明);
    EXPECT_NE(explanation.find("判为身弱"), std::string::npos);
    EXPECT_NE(explanation.find("一种传统流派"), std::string::npos);
    EXPECT_TRUE(w.isEnabled(names::按钮_按喜用神起名));

    // A strong chart names the element controlling the day master after the two main ones.
    showChartAnalysis(w, calendar::analyseBirth(1972, 12, 7, 0));
    EXPECT_EQ(w.text(names::喜用神标签), "木火");
    EXPECT_EQ(w.text(names::透明标签_喜用神), "喜用神（扶抑）：木、火，其次 土    调候：火");

    showChartAnalysis(w, std::nullopt);
    EXPECT_EQ(w.rowCount(names::超级列表框_五行分值), 0);
    EXPECT_EQ(w.text(names::喜用神标签), "");
    EXPECT_EQ(w.text(names::透明标签_喜用神说明), "");
    EXPECT_FALSE(w.isEnabled(names::按钮_按喜用神起名));
}

// The page computes the analysis with the chart, from the date and the 23:00 rule the chart uses.
TEST(ChartAnalysisView, FollowsTheChartOfThePage)
{
    FakeHost host;
    FakeWindow& w = host.main();
    const auto choose = [&](names::Name combo, const std::string& value) {
        w.setItems(combo, {value});
        w.setCurrentIndex(combo, 0);
    };
    choose(names::组合框_年份, "1972");
    choose(names::组合框_月份, "12");
    choose(names::组合框_日子, "7");
    choose(names::组合框_时间, "0");
    ShowBirthChart(host);
    EXPECT_EQ(w.text(names::喜用神标签), "木火");
    EXPECT_NE(w.text(names::透明标签_日主强弱).find("身强"), std::string::npos);
    EXPECT_EQ(namingDateFavourable(w), "木火土");

    choose(names::组合框_日子, "31");
    choose(names::组合框_月份, "2");
    ShowBirthChart(host, ChartDateMessage::Quiet); // no such day: nothing of the last chart stays
    EXPECT_EQ(w.text(names::喜用神标签), "");
    EXPECT_FALSE(w.isEnabled(names::按钮_按喜用神起名));
    EXPECT_EQ(namingDateFavourable(w), "");
}

} // namespace
