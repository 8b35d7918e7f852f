#include "ReportFixture.h"

#include "numerology/NameScore.h"
#include "numerology/SplitCharacters.h"
#include "reports/NameReport.h"
#include "reports/NameSupport.h"
#include "reports/Placeholders.h"
#include "reports/ReportFiles.h"
#include "reports/ReportTemplate.h"

namespace {

using reports::computeNameReport;
using reports::NameReport;

numerology::NameScoreResult scoreLikeARun(const store::NamingStore& store, const std::string& surname,
                                          const std::string& given)
{
    numerology::CharacterCache cache;
    for (const std::string& part : numerology::SplitCharacters(surname + given))
        cache.add(numerology::LookupCharacter(store, part));
    numerology::StoreFortunes fortunes(store);
    return numerology::ScoreName(surname, given, cache, fortunes);
}

class NameReportTest : public ReportFixture
{
};

TEST_F(NameReportTest, AgreesWithTheRunScoreExceptForUnusableCharactersAndYu)
{
    struct Case
    {
        std::string surname, given;
        numerology::FiveGrids report, run;
    };
    const Case cases[] = {
        {"李", "明华", {8, 15, 22, 29, 15}, {8, 15, 22, 29, 15}},
        {"欧阳", "华", {32, 31, 15, 46, 16}, {32, 31, 15, 46, 16}},
        {"李", "空", {8, 7, 1, 7, 2}, {8, 15, 9, 15, 2}},   // no element: counts 0 in the report
        {"李", "零", {8, 7, 1, 7, 2}, {8, 20, 14, 20, 2}},  // simplified count 0: likewise
        {"于", "明", {4, 11, 9, 11, 2}, {9, 16, 9, 16, 2}}, // 于 counts its simplified 3, not 8
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.surname + c.given);
        const NameReport report = computeNameReport(m_store, c.surname, c.given);
        const numerology::NameScoreResult run = scoreLikeARun(m_store, c.surname, c.given);
        EXPECT_EQ(report.grids, c.report);
        EXPECT_EQ(run.grids, c.run);
        if (c.report == c.run) {
            EXPECT_EQ(report.score, run.score);
            EXPECT_EQ(report.simplifiedTotal(), run.simplifiedTotal);
            EXPECT_EQ(report.elements(), run.elements);
            EXPECT_EQ(report.threeTalents.key, run.threeTalentKey);
        }
    }
}

TEST_F(NameReportTest, UnusableCharacterIsShownWithZeroCountsAndAbsentPositionIsBlank)
{
    const NameReport report = computeNameReport(m_store, "李", "空");
    const std::string cells = reports::FillReportTemplate(
        "{简体名字1}|{繁体名字1}|{名字1拼音}|{简体名字1笔划}|{繁体名字1笔划}|{名字1五行}|"
        "{简体姓氏2}|{繁体姓氏2}|{简体姓氏2笔划}|{繁体姓氏2笔划}|{姓氏2五行}|{简体名字2笔划}",
        report);
    EXPECT_EQ(cells, "空|||0|0|||||||");
    EXPECT_EQ(report.elements(), "木");
    EXPECT_EQ(report.simplifiedTotal(), 7);
}

TEST_F(NameReportTest, ReadingsTakeTheirColumnsInTheReportOrder)
{
    const NameReport report = computeNameReport(m_store, "李", "明华");
    const reports::GridReading& heaven = report.gridReadings[0];
    EXPECT_EQ(heaven.number, 8);
    EXPECT_EQ(heaven.element, "金");
    EXPECT_EQ(heaven.fortune, "大吉");
    EXPECT_EQ(heaven.summary, "八卦之数(解释三之8)");
    // 健康 shows the 含义 column and 含义 the 健康 column.
    EXPECT_EQ(heaven.explanation,
              "解释二之8<BR>基业:基业之8<BR>家庭:家庭之8<BR>健康:含义之8<BR>含义:健康之8");
    EXPECT_EQ(heaven.hint, "暗示甲之8<BR>暗示乙之8");

    const reports::ThreeTalentReading& talents = report.threeTalents;
    EXPECT_EQ(talents.key, "金土木");
    EXPECT_EQ(talents.summary, "解释一之金土木");
    EXPECT_EQ(
        talents.explanation,
        "1、总论:总论之金土木<BR>2、性格:性格之金土木<BR>3、意志:意志之金土木<BR>4、事业:事业之金土木"
        "<BR>5、家庭:家庭之金土木<BR>6、婚姻:婚姻之金土木<BR>7、子女:子女之金土木<BR>8、社交:社交之金土木"
        "<BR>9、精神:精神之金土木<BR>10、财运:财运之金土木<BR>11、健康:健康之金土木<BR>12、老运:"
        "老运之金土木");
    EXPECT_EQ(talents.basis, "基础运之金土木");
    EXPECT_EQ(talents.success, "成功运之金土木");
    EXPECT_EQ(talents.relations, "人际关系之金土木");
    EXPECT_EQ(talents.temper, "性格影响之金土木");
}

TEST_F(NameReportTest, TotalAboveEightyOneHasNoRowAndAddsNothing)
{
    const NameReport report = computeNameReport(m_store, "欧阳", "龘麟");
    EXPECT_EQ(report.grids, (numerology::FiveGrids{32, 65, 71, 103, 38}));
    const reports::GridReading& total = report.gridReadings[3];
    EXPECT_EQ(total.fortune, "");
    EXPECT_EQ(total.summary, "()");
    EXPECT_EQ(total.explanation, "<BR>基业:<BR>家庭:<BR>健康:<BR>含义:");
    EXPECT_EQ(total.hint, "");
    EXPECT_EQ(total.element, "火");
    // 大吉, 大吉, 吉, (none), 吉 and 木土木 大凶: 5 + 30 + 20 + 0 + 10 + 4.5, the 20 of 总格 lost.
    EXPECT_EQ(report.threeTalents.fortune, "大凶");
    EXPECT_EQ(report.weightedHundredths, 6950);
    EXPECT_EQ(report.score, 69);
}

TEST_F(NameReportTest, CommentFollowsTheScoreBands)
{
    const std::string top = std::string(reports::ScoreComment(100));
    const std::string good = std::string(reports::ScoreComment(80));
    const std::string fair = std::string(reports::ScoreComment(70));
    const std::string poor = std::string(reports::ScoreComment(60));
    const std::string bad = std::string(reports::ScoreComment(0));
    EXPECT_EQ(top.rfind("你的名字取得非常棒", 0), 0u);
    EXPECT_EQ(good.rfind("你的名字取得不错", 0), 0u);
    EXPECT_EQ(fair.rfind("你的名字可能不太理想", 0), 0u);
    EXPECT_EQ(poor.rfind("你的名字不太好", 0), 0u);
    EXPECT_EQ(bad.rfind("你的名字很不好", 0), 0u);
    const std::pair<int, std::string> edges[] = {{90, top}, {89, good}, {79, fair}, {69, poor}, {59, bad}};
    for (const auto& [score, comment] : edges)
        EXPECT_EQ(reports::ScoreComment(score), comment) << score;

    // 丁平安: 大吉 吉 大吉 大吉 吉 and 大凶 weigh 89.5; 丁子曜: 大吉 x4, 凶 and 凶 weigh 90.
    const NameReport below = computeNameReport(m_store, "丁", "平安");
    EXPECT_EQ(below.weightedHundredths, 8950);
    EXPECT_EQ(below.score, 89);
    EXPECT_EQ(below.comment, good);
    const NameReport at = computeNameReport(m_store, "丁", "子曜");
    EXPECT_EQ(at.weightedHundredths, 9000);
    EXPECT_EQ(at.score, 90);
    EXPECT_EQ(at.comment, top);
}

TEST_F(NameReportTest, TypedTextIsEscapedAndDatabaseTextIsNot)
{
    const NameReport report = reports::BuildNameReport(m_store, m_program, "李", "<i");
    const std::string page = readPage(reports::reportFile(m_program));
    EXPECT_NE(page.find("<td class=\"fontcolor1\">&lt;</td>"), std::string::npos);
    EXPECT_EQ(page.find("<i"), std::string::npos);
    EXPECT_NE(page.find("暗示甲之8<BR>暗示乙之8"), std::string::npos) << "database text goes in as HTML";
    EXPECT_NE(page.find("<span class=\"fontcolor3\">" + std::to_string(report.score) + "</span>"),
              std::string::npos);
}

TEST(Placeholders, ReplacedEverywhereInOnePassAndUnknownBracesStay)
{
    const reports::Placeholders values = {{"{a}", "x{b}"}, {"{b}", "y"}};
    EXPECT_EQ(reports::fillPlaceholders("{a}{b}{a} {c} {{b}} p { q }", values), "x{b}yx{b} {c} {y} p { q }");
}

} // namespace

namespace {

using naming::NameSupport;
using reports::SupportReading;

TEST(NameSupportSentence, SaysWhatStandsBehindTheName)
{
    const quality::SourceLine line{"王维", "山居秋暝", "明月松间照", ""};
    const struct
    {
        SupportReading reading;
        std::vector<std::string> holds;
    } cases[] = {
        {{"美玲", {NameSupport::RealName, 12}, std::nullopt, false}, {"真实人名：12 人同名"}},
        {{"明月", {NameSupport::Classical, 40}, line, false},
         {"古典出处：", "40 句", "“明月”", "王维《山居秋暝》：“明月松间照”"}},
        // No line of the poems at hand holds the pair side by side: the count alone.
        {{"春风", {NameSupport::Classical, 7}, std::nullopt, false}, {"古典出处：", "7 句"}},
        {{"明", {NameSupport::CommonCharacters, 140}, std::nullopt, false},
         {"常见名字用字：这个字", "140 个"}},
        {{"紫平", {NameSupport::CommonCharacters, 54}, std::nullopt, false},
         {"常见名字用字：两个字", "54 个", "不是常见的人名"}},
        {{"器官", {}, std::nullopt, false}, {"没有真实人名或古诗出处"}},
        {{"张惠", {}, std::nullopt, true}, {"谐音或字义"}},
        {{"<b>", {NameSupport::Classical, 3}, quality::SourceLine{"乙", "<i>", "a&b", ""}, false},
         {"&lt;b&gt;", "&lt;i&gt;", "a&amp;b"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reading.given);
        const std::string html = reports::supportHtml(c.reading);
        for (const std::string& part : c.holds)
            EXPECT_NE(html.find(part), std::string::npos) << html;
    }
    EXPECT_EQ(reports::supportHtml({"明月", {NameSupport::Classical, 40}, std::nullopt, false}).find("王维"),
              std::string::npos);
}

class NameSupportReport : public ReportFixture
{
};

TEST_F(NameSupportReport, ReadsTheModelAndTheNameCheck)
{
    naming::NameLikeness likeness;
    likeness.addName("明华", 9);
    likeness.addClassicalPair("华明", naming::NameLikeness::kClassicalLines);
    // Both characters common at both places, as a classical pair's must be.
    for (const char* character : {"明", "华"})
        for (const bool first : {true, false}) {
            likeness.addPlace(character, first, 1000);
            likeness.addClassicPlace(character, first, 3, 3);
        }
    const quality::NameChecker checker(m_store);
    const SupportReading real = reports::readSupport(likeness, checker, "李", "明华");
    EXPECT_EQ(real.support.kind, NameSupport::RealName);
    EXPECT_EQ(real.support.count, 9);
    EXPECT_EQ(real.given, "明华");
    const SupportReading classical = reports::readSupport(likeness, checker, "李", "华明");
    EXPECT_EQ(classical.support.kind, NameSupport::Classical);
    EXPECT_FALSE(classical.line) << "the store holds no poem";
    EXPECT_EQ(reports::readSupport(likeness, checker, "李", "龙虎").support.kind, NameSupport::None);

    // The report's 名字品鉴 says it in its own row, after the source.
    reports::BuildNameReport(m_store, m_program, "李", "明华", &checker);
    const std::string written = readPage(reports::reportFile(m_program));
    const size_t source = written.find(">出处<");
    const size_t support = written.find(">名字依据<");
    ASSERT_NE(support, std::string::npos);
    EXPECT_LT(source, support);
}

} // namespace
