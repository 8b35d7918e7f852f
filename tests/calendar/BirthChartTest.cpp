#include "calendar/BirthChart.h"
#include "calendar/ChartTables.h"
#include "calendar/CycleNames.h"

#include <gtest/gtest.h>

namespace {

// The lines of a chart text (CR LF CR LF between them), the advice block left out.
std::vector<std::string> chartLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end = text.find("\r\n\r\n"); end != std::string::npos && lines.size() < 5;
         end = text.find("\r\n\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 4;
    }
    return lines;
}

std::string adviceFor(std::string_view animal)
{
    for (int branch = 1; branch <= 12; ++branch)
        if (calendar::ZodiacName(branch) == animal)
            return std::string(calendar::zodiacAdvice(branch));
    return "no such animal";
}

TEST(BirthChart, StartUpChart)
{
    const std::optional<calendar::BirthChartText> chart = calendar::buildBirthChartText(2013, 1, 1, 0);
    ASSERT_TRUE(chart);
    EXPECT_EQ(chart->text, "公历日期：2013年1月1日0时\r\n\r\n"
                           "农历日期：壬辰年    冬月  二十日  庚子时\r\n\r\n"
                           "八字四柱：壬辰年  壬子月  丁卯日  庚子时\r\n\r\n"
                           "八字五行：水,土,水,水,火,木,金,水, ( 五行不缺 ) \r\n\r\n"
                           "五行纳音：长流水  桑柘木  炉中火  壁上土\r\n\r\n"
                           "生肖属相：龙。\r\n\r\n"
                           "龙年出生的人取名偏旁部首：\r\n\r\n"
                           "宜：水、金、玉、白、赤、月、鱼、酉、人、氵、钅等部首为吉。\r\n\r\n"
                           "忌：土、田、木、禾、示、心、日、石、艹、力、刀、纟、犭、火等部首。");
    EXPECT_EQ(chart->elementsLabel, "水,土,水,水,火,木,金,水,");
    EXPECT_EQ(chart->missingLabel, "");
}

TEST(BirthChart, DocumentedCharts)
{
    struct Case
    {
        int year, month, day, hour;
        const char* lunarLine; // nullptr: not checked here
        const char* pillarsLine;
        const char* elementsLabel;
        const char* missing; // the sentence in the elements line
        const char* nayinLine;
        const char* animal;
    };
    const Case cases[] = {
        {2013, 2, 4, 0, "农历日期：壬辰年    腊月  廿四日  戊子时",
         "八字四柱：壬辰年  癸丑月  辛丑日  戊子时", "水,土,水,土,金,土,土,水,", "五行缺：木火",
         "五行纳音：长流水  桑柘木  壁上土  霹雳火", "龙"},
        {1972, 12, 7, 0, nullptr, "八字四柱：壬子年  辛亥月  壬申日  庚子时", "水,水,金,水,水,金,金,水,",
         "五行缺：木火土", "五行纳音：桑柘木  钗钏金  剑锋金  壁上土", "鼠"},
        {1970, 1, 29, 12, nullptr, "八字四柱：己酉年  丁丑月  己酉日  庚午时", "土,金,火,土,土,金,金,火,",
         "五行缺：木水", "五行纳音：大驿土  涧下水  大驿土  路旁土", "鸡"},
        // Lunar 1984 began on 02-02, but the pillar year 甲子 begins at 立春 (23:18:46): the animal is 猪.
        {1984, 2, 4, 23, "农历日期：癸亥年    正月  初三日  甲子时",
         "八字四柱：癸亥年  乙丑月  己巳日  甲子时", "水,水,木,土,土,火,木,水,", "五行缺：金",
         "五行纳音：大海水  海中金  大林木  海中金", "猪"},
        {2020, 6, 15, 10, "农历日期：庚子年    闰四月  廿四日  己巳时",
         "八字四柱：庚子年  壬午月  己丑日  己巳时", "金,水,水,火,土,土,土,火,", "五行缺：木",
         "五行纳音：壁上土  杨柳木  霹雳火  大林木", "鼠"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << '-' << c.month << '-' << c.day << ' ' << c.hour);
        const std::optional<calendar::BirthChartText> chart =
            calendar::buildBirthChartText(c.year, c.month, c.day, c.hour);
        ASSERT_TRUE(chart);
        const std::vector<std::string> lines = chartLines(chart->text);
        ASSERT_EQ(lines.size(), 5u);
        EXPECT_EQ(lines[0], "公历日期：" + std::to_string(c.year) + "年" + std::to_string(c.month) + "月" +
                                std::to_string(c.day) + "日" + std::to_string(c.hour) + "时");
        if (c.lunarLine) {
            EXPECT_EQ(lines[1], c.lunarLine);
        }
        EXPECT_EQ(lines[2], c.pillarsLine);
        EXPECT_EQ(lines[3], std::string("八字五行：") + c.elementsLabel + " ( " + c.missing + " ) ");
        EXPECT_EQ(lines[4], c.nayinLine);
        EXPECT_TRUE(chart->text.ends_with(adviceFor(c.animal)));
        EXPECT_EQ(chart->elementsLabel, c.elementsLabel);
        const std::string missingText = c.missing;
        EXPECT_EQ(chart->missingLabel, missingText.substr(missingText.find("：") + std::string("：").size()));
    }
}

TEST(BirthChart, DatesThatDoNotExistGiveNoChart)
{
    struct Case
    {
        int year, month, day, hour;
    };
    for (const Case& c :
         {Case{2013, 2, 30, 0}, Case{2013, 2, 29, 0}, Case{2013, 4, 31, 0}, Case{2013, 6, 31, 12},
          Case{2013, 1, 1, 24}, Case{2013, 13, 1, 0}, Case{1901, 2, 18, 0}, Case{2049, 1, 1, 0}}) {
        SCOPED_TRACE(testing::Message() << c.year << '-' << c.month << '-' << c.day << ' ' << c.hour);
        EXPECT_FALSE(calendar::buildBirthChartText(c.year, c.month, c.day, c.hour));
    }
    EXPECT_TRUE(calendar::buildBirthChartText(2012, 2, 29, 0));
    EXPECT_TRUE(calendar::buildBirthChartText(1970, 1, 1, 0));
    EXPECT_TRUE(calendar::buildBirthChartText(2030, 12, 31, 23));
    EXPECT_STREQ(calendar::kInvalidDateMessage, "请选择正确的日期");
}

TEST(BirthChart, ElementCountsOfTheEightCharacters)
{
    using Counts = std::array<int, 5>; // 金 木 水 火 土
    EXPECT_EQ(calendar::elementCounts("水,土,水,水,火,木,金,水,"), (Counts{1, 1, 4, 1, 1}));
    EXPECT_EQ(calendar::elementCounts("水,土,水,土,金,土,土,水,"), (Counts{1, 0, 3, 0, 4}));
    EXPECT_EQ(calendar::elementCounts(""), (Counts{0, 0, 0, 0, 0}));
    // Every date's counts add up to the eight characters and are zero exactly where an element is missing.
    for (int day = 1; day <= 31; ++day) {
        const auto chart = calendar::buildBirthChartText(2013, 1, day, day % 24);
        ASSERT_TRUE(chart);
        const Counts counts = calendar::elementCounts(chart->elementsLabel);
        EXPECT_EQ(counts[0] + counts[1] + counts[2] + counts[3] + counts[4], 8);
        const char* const names[] = {"金", "木", "水", "火", "土"};
        for (size_t i = 0; i < 5; ++i)
            EXPECT_EQ(counts[i] == 0, chart->missingLabel.find(names[i]) != std::string::npos);
    }
}

TEST(BirthChart, MissingElementsCountPresenceOnly)
{
    EXPECT_EQ(calendar::MissingElementsText("水,土,水,水,火,木,金,水,"), "五行不缺");
    EXPECT_EQ(calendar::MissingElementsText("水,水,金,水,水,金,金,水,"), "五行缺：木火土");
    EXPECT_EQ(calendar::MissingElementsText("土,土,土,土,土,土,土,土,"), "五行缺：金木水火");
    EXPECT_EQ(calendar::MissingElementsText(""), "五行缺：金木水火土");
    EXPECT_EQ(calendar::missingElements("火,木,"), "金水土");
}

TEST(BirthChart, SummarySaysTheMissingElementsInPlainWords)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "八字五行齐全：金、木、水、火、土都有，不缺哪一行。"},
        {"木", "八字五行缺木。可在名字中用属木的字补足。"},
        {"木火", "八字五行缺木、火。可在名字中用属木、属火的字补足。"},
        {"木火土", "八字五行缺木、火、土。可在名字中用属木、属火、属土的字补足。"},
    };
    for (const auto& [missing, summary] : cases)
        EXPECT_EQ(calendar::missingElementsSummary(missing), summary) << missing;
    // The chart carries the line of its own missing elements.
    EXPECT_EQ(calendar::buildBirthChartText(2013, 2, 4, 0)->summary,
              "八字五行缺木、火。可在名字中用属木、属火的字补足。");
    EXPECT_EQ(calendar::buildBirthChartText(2013, 1, 1, 0)->summary, calendar::missingElementsSummary(""));
}

TEST(ChartTables, ElementPairsAndNayin)
{
    EXPECT_EQ(calendar::elementPair(1), "木,水,");                           // 甲子
    EXPECT_EQ(calendar::elementPair(calendar::CycleIndex(3, 3)), "火,木,");  // 丙寅
    EXPECT_EQ(calendar::elementPair(calendar::CycleIndex(1, 3)), "木,木,");  // 甲寅
    EXPECT_EQ(calendar::elementPair(calendar::CycleIndex(7, 9)), "金,金,");  // 庚申
    EXPECT_EQ(calendar::elementPair(calendar::CycleIndex(5, 11)), "土,土,"); // 戊戌
    EXPECT_EQ(calendar::elementPair(0), "");
    EXPECT_EQ(calendar::nayinName(1), "海中金");
    EXPECT_EQ(calendar::nayinName(2), "海中金");
    EXPECT_EQ(calendar::nayinName(29), "长流水");
    EXPECT_EQ(calendar::nayinName(38), "壁上土");
    EXPECT_EQ(calendar::nayinName(60), "大海水");
    EXPECT_EQ(calendar::nayinName(61), "");
    std::string branches;
    for (int branch = 1; branch <= 12; ++branch)
        branches += calendar::branchElement(branch);
    EXPECT_EQ(branches, "水土木木土火火土金金土水");
}

TEST(ChartTables, ZodiacAdvice)
{
    EXPECT_EQ(calendar::zodiacAdvice(1),
              "生肖属相：鼠。\r\n\r\n"
              "鼠年出生的人取名偏旁部首：\r\n\r\n"
              "宜：宀、米、豆、鱼、艹、金、玉、人、木、月、田、钅等部首为吉。\r\n\r\n"
              "忌：山、刀、力、弓、土、穴、心、石、皮、氵、马、酉、才、火、车等部首。");
    for (int branch = 1; branch <= 12; ++branch) {
        const std::string animal(calendar::ZodiacName(branch));
        SCOPED_TRACE(animal);
        const std::string advice(calendar::zodiacAdvice(branch));
        EXPECT_TRUE(advice.starts_with("生肖属相：" + animal + "。\r\n\r\n" + animal +
                                       "年出生的人取名偏旁部首：\r\n\r\n宜："));
        EXPECT_NE(advice.find("等部首为吉。\r\n\r\n忌："), std::string::npos);
        // 蛇 and 马 have always ended with a blank.
        EXPECT_TRUE(advice.ends_with(animal == "蛇" || animal == "马" ? "等部首。 " : "等部首。"));
    }
    EXPECT_EQ(calendar::zodiacAdvice(13), "");
}

} // namespace
