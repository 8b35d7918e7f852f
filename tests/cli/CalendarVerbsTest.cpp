#include "CliRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace {

CliResult run(const std::vector<std::string>& words, const std::string& input = "")
{
    return runCliWords(words, input);
}

TEST(CalendarVerbs, ChartPrintsThePageTextWithLineFeeds)
{
    const CliResult r = run({"chart", "2013-1-1", "0"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "公历日期：2013年1月1日0时\n\n"
                     "农历日期：壬辰年    冬月  二十日  庚子时\n\n"
                     "八字四柱：壬辰年  壬子月  丁卯日  庚子时\n\n"
                     "八字五行：水,土,水,水,火,木,金,水, ( 五行不缺 ) \n\n"
                     "五行纳音：长流水  桑柘木  炉中火  壁上土\n\n"
                     "生肖属相：龙。\n\n"
                     "龙年出生的人取名偏旁部首：\n\n"
                     "宜：水、金、玉、白、赤、月、鱼、酉、人、氵、钅等部首为吉。\n\n"
                     "忌：土、田、木、禾、示、心、日、石、艹、力、刀、纟、犭、火等部首。\n");
    EXPECT_TRUE(r.err.empty());
}

// The figures of a chart worked out by hand in the calendar's tests (丁 day master in 子 month).
TEST(CalendarVerbs, ChartJsonGivesTheAnalysisFigures)
{
    const CliResult r = run({"chart", "2013-1-1", "0", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string fields =
        R"({"pillars":["壬辰","壬子","丁卯","庚子"],"missing":"","dayMaster":"丁",)"
        R"("dayMasterElement":"火","weights":{"金":1,"木":1.3,"水":4.6,"火":1,"土":0.6},)"
        R"("total":8.5,"producingElement":"木","supportWeight":2.3,"support":0.2706,)"
        R"("bounds":{"weakBelow":0.45,"strongAbove":0.55},"strength":"身弱",)"
        R"("favourable":["木","火"],"favourableMain":2,"climate":["火"],"method":")";
    EXPECT_EQ(r.out.substr(0, fields.size()), fields);
    EXPECT_NE(r.out.find(R"(","explanation":"日主丁，属火。)"), std::string::npos) << r.out;
    EXPECT_TRUE(r.out.ends_with("\"}\n")) << r.out;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1); // one object, one line

    // A strong day master lists what drains and what it controls first; the late-zi rule reaches it too.
    const CliResult strong = run({"chart", "1972-12-7", "0", "--json"});
    ASSERT_EQ(strong.status, 0);
    EXPECT_NE(strong.out.find(R"("strength":"身强","favourable":["木","火","土"],"favourableMain":2)"),
              std::string::npos)
        << strong.out;
    EXPECT_NE(run({"chart", "2013-12-31", "23", "--json", "--late-zi", "same-day"}).out,
              run({"chart", "2013-12-31", "23", "--json"}).out);
}

TEST(CalendarVerbs, PillarsAndLunarDates)
{
    struct Case
    {
        std::vector<std::string> words;
        std::string out;
    };
    const Case cases[] = {
        {{"pillars", "1984-2-4", "23"}, "癸亥 乙丑 己巳 甲子\n"},
        {{"pillars", "2013-02-04", "0:13:19"}, "壬辰 癸丑 辛丑 戊子\n"}, // one second before 立春
        {{"pillars", "2013-2-4", "0:13:20"}, "癸巳 甲寅 辛丑 戊子\n"},
        {{"pillars", "2013-2-4", "0:14"}, "癸巳 甲寅 辛丑 戊子\n"},
        {{"pillars", "2013-12-31", "23:30"}, "癸巳 甲子 壬申 庚子\n"},
        {{"pillars", "2013-12-31", "23:30", "--late-zi", "next-day"}, "癸巳 甲子 壬申 庚子\n"},
        {{"pillars", "2013-12-31", "23:30", "--late-zi", "same-day"}, "癸巳 甲子 辛未 庚子\n"},
        {{"lunar", "2012-5-21"}, "壬辰年(龙)闰四月初一 2012-5-21\n"},
        {{"lunar", "2013-02-14"}, "癸巳年(蛇)正月初五 2013-2-14\n"},
        {{"lunar", "2013-2-14", "--format", "%Y年    %M  %D日  "}, "癸巳年    正月  初五日  \n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.words[1]);
        const CliResult r = run(c.words);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, c.out);
    }
}

TEST(CalendarVerbs, LateZiRuleOfTheChart)
{
    const CliResult sameDay = run({"chart", "2013-12-31", "23", "--late-zi", "same-day"});
    ASSERT_EQ(sameDay.status, 0) << sameDay.err;
    EXPECT_NE(sameDay.out.find("八字四柱：癸巳年  甲子月  辛未日  庚子时\n"), std::string::npos);
    const CliResult nextDay = run({"chart", "2013-12-31", "23"});
    EXPECT_NE(nextDay.out.find("八字四柱：癸巳年  甲子月  壬申日  庚子时\n"), std::string::npos);
    const CliResult wrong = run({"pillars", "2013-12-31", "23", "--late-zi", "today"});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_NE(wrong.err.find("--late-zi"), std::string::npos);
}

TEST(CalendarVerbs, InvalidDatesExitWithAMessage)
{
    const std::vector<std::string> requests[] = {
        {"chart", "2013-2-30", "0"},    {"chart", "2013-4-31", "0"},   {"chart", "2013-1-1", "24"},
        {"chart", "1900-1-1", "0"},     {"lunar", "2013-2-29"},        {"lunar", "2013-13-1"},
        {"pillars", "1900-12-31", "0"}, {"pillars", "2013-2-30", "0"}, {"pillars", "2013-1-1", "12:60"},
    };
    for (const auto& words : requests) {
        SCOPED_TRACE(words[1]);
        const CliResult r = run(words);
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.out.empty());
        EXPECT_FALSE(r.err.empty());
    }
    EXPECT_EQ(run({"chart", "2013-2-30", "0"}).err, "请选择正确的日期\n");

    for (const std::vector<std::string>& words : {std::vector<std::string>{"chart", "2013-1-1"},
                                                  {"chart", "2013-1", "0"},
                                                  {"lunar", "2013-1-x"},
                                                  {"pillars", "2013-1-1", "1:2:3:4"},
                                                  {"pillars", "2013/1/1", "0"}}) {
        SCOPED_TRACE(words[1]);
        EXPECT_EQ(run(words).status, 2) << "malformed request";
    }
}

TEST(CalendarVerbs, BatchAnswersEachLine)
{
    const CliResult r = run({"pillars", "--batch"}, "1984-2-4 23\n2013-2-30 0\n2013-1-1 0\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "癸亥 乙丑 己巳 甲子\nERROR 日期时间无效或早于 1901 年: 2013-2-30 0\n壬辰 壬子 丁卯 庚子\n");
}

} // namespace
