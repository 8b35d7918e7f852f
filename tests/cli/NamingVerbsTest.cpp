#include "../naming/NamingFixture.h"
#include "CliRun.h"
#include "cli/ElementOptions.h"
#include "cli/Runner.h"
#include "cli/Verbs.h"
#include "text/Gbk.h"

#include <algorithm>
#include <sstream>

namespace {

class NamingVerbs : public NamingFixture
{
protected:
    void SetUp() override
    {
        NamingFixture::SetUp();
        m_store.Close();
    }

    int run(std::vector<std::string> words, const std::string& input = "")
    {
        return runCliOn(std::move(words), m_dir.path() / "naming.db", m_dir.path(), out, err, input);
    }

    // Asks `score` for every listed name in one batch; its line must be the row without 编号.
    void expectRowsEqualScore(const std::string& list, const std::string& surname)
    {
        std::istringstream rows(list);
        std::string line, requests, expected;
        while (std::getline(rows, line)) {
            const std::string rest = line.substr(line.find('\t') + 1);
            const std::string name = rest.substr(0, rest.find('\t'));
            requests += surname + " " + name.substr(surname.size()) + "\n";
            expected += rest + "\n";
        }
        ASSERT_EQ(run({"score", "--batch"}, requests), 0);
        EXPECT_EQ(out.str(), expected);
    }

    std::ostringstream out;
    std::ostringstream err;
};

std::vector<std::string> listedNames(const std::string& list)
{
    std::vector<std::string> names;
    std::istringstream rows(list);
    for (std::string line; std::getline(rows, line);) {
        const std::string rest = line.substr(line.find('\t') + 1);
        names.push_back(rest.substr(0, rest.find('\t')));
    }
    return names;
}

TEST_F(NamingVerbs, GenerateRowsEqualScoreAndRepeatWithTheSeed)
{
    ASSERT_EQ(run({"generate", "--mode", "high-score", "--surname", "李", "--sex", "男", "--length", "2",
                   "--seed", "3"}),
              0)
        << err.str();
    const std::string list = out.str();
    ASSERT_FALSE(list.empty());
    ASSERT_EQ(run({"generate", "--surname", "李", "--length", "2", "--seed", "3"}), 0);
    EXPECT_EQ(out.str(), list) << "high-score and 男 are the defaults; the seed fixes the list";
    expectRowsEqualScore(list, "李");
}

TEST_F(NamingVerbs, CombinationListsThePairsOfTheTypedCharacters)
{
    const std::string typed = "圣诚杰泽鹤航轩辉皓君豪博楷国益佑天南泰宇";
    const auto file = m_dir.path() / "组合.txt";
    ASSERT_EQ(run({"generate", "--mode", "combination", "--surname", "李", "--chars", typed, "--length", "2",
                   "--export", file.string()}),
              0)
        << err.str();
    const std::string list = out.str();
    const std::vector<std::string> names = listedNames(list);
    EXPECT_EQ(std::count(names.begin(), names.end(), "李圣圣"), 0); // a formed name doubles no character
    EXPECT_EQ(std::count_if(names.begin(), names.end(),
                            [](const std::string& n) { return n.find("李", 3) != std::string::npos; }),
              0);
    // Exported as the high-score list is: a GBK header line, then one line per row.
    const std::string exported = testing_support::readFile(file);
    EXPECT_EQ(exported.substr(0, 4), text::toGbk("编号"));
    EXPECT_EQ(std::count(exported.begin(), exported.end(), '\n'), static_cast<long>(names.size()) + 1);
    ASSERT_EQ(run({"generate", "--mode", "combination", "--surname", "李", "--chars",
                   "圣诚, 杰泽abc鹤航 轩辉皓君豪博楷国益佑天南泰宇XYZ"}),
              0);
    EXPECT_EQ(out.str(), list) << "spaces, commas and Latin letters change nothing";
    expectRowsEqualScore(list, "李");
}

TEST_F(NamingVerbs, NicknameListsTheStyleWithDuplicates)
{
    ASSERT_EQ(run({"generate", "--mode", "nickname", "--surname", "王", "--style", "小A"}), 0) << err.str();
    const std::string list = out.str();
    std::vector<std::string> names = listedNames(list);
    ASSERT_FALSE(names.empty());
    for (const std::string& name : names)
        ASSERT_EQ(name.substr(0, 6), "王小") << name;
    std::sort(names.begin(), names.end());
    EXPECT_NE(std::adjacent_find(names.begin(), names.end()), names.end()) << "characters of both lists";
    ASSERT_EQ(run({"generate", "--mode", "nickname", "--surname", "王", "--style", "小A型"}), 0);
    EXPECT_EQ(out.str(), list);
    expectRowsEqualScore(list, "王");
}

TEST_F(NamingVerbs, OneCharacterMessageGoesToStderr)
{
    ASSERT_EQ(run({"generate", "--surname", "王", "--sex", "女", "--length", "1", "--seed", "1"}), 0);
    EXPECT_EQ(err.str(), "一字名数理得分较低,所以软件自动降低评分标准!\n");
    EXPECT_FALSE(out.str().empty());
}

// A name with a character the dictionary cannot score is refused wherever it would be scored, and an
// option the chosen mode does not read is a usage error rather than silently ignored.
TEST_F(NamingVerbs, UnscorableNamesAndUnusedOptionsAreRefused)
{
    const struct
    {
        std::vector<std::string> words;
        int status;
        std::string message;
    } cases[] = {
        {{"score", "𠀀", "𠀁"}, 1, "字典中没有“𠀀”，无法评分"},
        {{"score", "王", "㐀"}, 1, "字典中没有“㐀”，无法评分"},
        {{"compare", "王", "明", "㐀"}, 1, "字典中没有“㐀”，无法评分"},
        {{"report", "ab", "cd"}, 2, "姓氏应是一个或两个汉字"},
        {{"generate", "--surname", "𠀀", "--seed", "1"}, 1, "字典中没有“𠀀”，无法评分"},
        {{"generate", "--surname", "王", "--generation", "second:😀"}, 2, "--generation"},
        {{"generate", "--surname", "王", "--generation", "second:明华"}, 2, "--generation"},
        {{"generate", "--mode", "classic", "--surname", "王", "--generation", "second:明"},
         2,
         "此模式不使用 --generation"},
        {{"generate", "--mode", "high-score", "--surname", "王", "--chars", "明"}, 2, "此模式不使用 --chars"},
        {{"generate", "--mode", "high-score", "--surname", "王", "--second", "金"},
         2,
         "此模式不使用 --second"},
        {{"generate", "--mode", "high-score", "--surname", "王", "--poet", "李白"}, 2, "此模式不使用 --poet"},
        {{"generate", "--mode", "nickname", "--surname", "王", "--length", "2"}, 2, "此模式不使用 --length"},
        {{"generate", "--mode", "nickname", "--surname", "王", "--sex", "女"}, 2, "此模式不使用 --sex"},
        {{"generate", "--mode", "classic", "--surname", "王", "--common-only"},
         2,
         "此模式不使用 --common-only"},
        {{"generate", "--mode", "combination", "--surname", "王", "--chars", "明华", "--common-only"},
         2,
         "此模式不使用 --common-only"},
        {{"score", "王", "明", "--json", "--sex", "中"}, 2, "--sex 只能是 男 或 女"},
        {{"tables", "extra"}, 2, "用法"},
        {{"poem", "李白", "静夜思", "--id", "x"}, 2, "--id"},
        {{"english", "abc"}, 1, "没有找到英文名：“a”"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.words.front() + " " + c.words.back());
        out.str({});
        err.str({});
        EXPECT_EQ(run(c.words), c.status);
        EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
        EXPECT_TRUE(out.str().empty()) << out.str();
    }
}

TEST_F(NamingVerbs, ABatchFromAnUnreadableInputFailsInsteadOfAnsweringNothing)
{
    // main marks standard input bad when it is closed or a folder.
    std::istringstream in;
    in.setstate(std::ios::badbit);
    const std::vector<std::string> words = {"score", "--batch", "--db",
                                            (m_dir.path() / "naming.db").string()};
    EXPECT_EQ(cli::runCli(words, m_dir.path(), in, out, err), 1);
    EXPECT_NE(err.str().find("标准输入"), std::string::npos) << err.str();
}

TEST_F(NamingVerbs, BadRequestsFailWithAMessage)
{
    const std::vector<std::vector<std::string>> bad = {
        {"generate", "--surname", "李", "--sex", "x"},
        {"generate", "--surname", "李", "--length", "3"},
        {"generate", "--surname", "李", "--seed", "-1"},
        {"generate", "--surname", "李", "--generation", "fourth:明"},
        {"generate", "--surname", "李", "--mode", "nonsense"},
        {"generate", "--sex", "男"},                              // no surname
        {"generate", "--surname", "李", "--mode", "combination"}, // no characters
        {"generate", "--surname", "李", "--mode", "nickname", "--style", "AB"},
        {"score", "李"},
    };
    for (const auto& words : bad) {
        SCOPED_TRACE(words.back());
        EXPECT_NE(run(words), 0);
        EXPECT_FALSE(err.str().empty());
    }
    ASSERT_EQ(run({"score", "--batch"}, "李\n李 明\n"), 0);
    EXPECT_EQ(out.str().substr(0, 6), "ERROR ");
}

TEST_F(NamingVerbs, NamesAreTrimmedBoundedAndFreeOfBlanks)
{
    ASSERT_EQ(run({"score", "李", "明"}), 0);
    const std::string plain = out.str();
    ASSERT_EQ(run({"score", " 李", "明\u3000"}), 0);
    EXPECT_EQ(out.str(), plain) << "blanks around a name are no part of it";

    const std::string huge(100000, 'a');
    const struct
    {
        std::vector<std::string> words;
        const char* message;
    } refused[] = {
        {{"score", "李", "明 华"}, "名字中不能有空格\n"},
        {{"score", huge, "明"}, "姓氏应是一个或两个汉字，例如“李”或“欧阳”。\n"},
        {{"score", "李", "明华明"}, "名字应是一个或两个汉字，例如“明”或“明华”。\n"},
        {{"generate", "--surname", huge, "--sex", "男"}, "姓氏应是一个或两个汉字，例如“李”或“欧阳”。\n"},
        {{"generate", "--mode", "combination", "--surname", "李", "--chars", std::string(201, 'x')},
         "--chars 最多 200 个字\n"},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(run(c.words), 2);
        EXPECT_EQ(err.str(), c.message);
        EXPECT_TRUE(out.str().empty());
    }
    // In a batch: a line beyond any request is an ERROR line, the next line is answered.
    ASSERT_EQ(run({"score", "--batch"}, "李 " + std::string(5000, 'x') + "\n李 明\n"), 0);
    EXPECT_EQ(out.str(), "ERROR 请求过长（一行最多 4096 字节）\n" + plain);
}

TEST_F(NamingVerbs, AnEmptyAnswerIsNeverSilent)
{
    // Nothing to list is no failure of the request, but it is said; in a batch it is an ERROR line.
    EXPECT_EQ(run({"generate", "--mode", "combination", "--surname", "李", "--chars", "abc"}), 0);
    EXPECT_TRUE(out.str().empty());
    EXPECT_EQ(err.str(), "没有生成任何名字（没有可用的字，或条件过严）\n");
    ASSERT_EQ(run({"generate", "--mode", "combination", "--surname", "李", "--batch"}, "--chars abc\n"), 0);
    EXPECT_EQ(out.str(), "ERROR 没有生成任何名字（没有可用的字，或条件过严）\n");
    EXPECT_EQ(run({"char", "龘"}), 1);
    EXPECT_EQ(err.str(), "字典中没有这个字: 龘\n");
}

TEST_F(NamingVerbs, UnknownOptionsAndFlagValuesAreUsageErrors)
{
    const struct
    {
        std::vector<std::string> words;
        const char* message;
    } cases[] = {
        {{"generate", "--mode", "high-score", "--surname", "李", "--sex", "男", "--lenght", "1"},
         "未知的选项: --lenght\n"},
        {{"score", "李", "明", "--json=0"}, "选项 --json 不带取值\n"},
        {{"score", "李", "明", "--jsn"}, "未知的选项: --jsn\n"},
        {{"generate", "--surname", "李", "--must-n", "火"}, "未知的选项: --must-n\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(run(c.words), 2);
        EXPECT_EQ(err.str().substr(0, std::string(c.message).size()), c.message);
        EXPECT_NE(err.str().find("用法: nestling-cli " + c.words[0]), std::string::npos) << err.str();
        EXPECT_TRUE(out.str().empty());
    }
    ASSERT_EQ(run({"score", "--batch"}, "李 明 --jsn 1\n"), 0);
    EXPECT_EQ(out.str(), "ERROR 未知的选项: --jsn\n");
}

TEST_F(NamingVerbs, JsonIsValidWhateverTheInput)
{
    // Every string of the JSON output (database texts may hold line breaks and tabs) goes through one
    // quoting: control characters escaped, quotes and backslashes escaped, bytes that are no UTF-8 as
    // U+FFFD, everything else as it is.
    const std::pair<std::string, std::string> quoted[] = {
        {"李明", "\"李明\""},
        {"a\"b\\c", "\"a\\\"b\\\\c\""},
        {std::string("\x01\t\r\n\x1F\x7F", 6), "\"\\u0001\\u0009\\u000d\\u000a\\u001f\\u007f\""},
        {std::string("x\0y", 3), "\"x\\u0000y\""},
        {"\xFF\xE6\x98", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""}, // each byte of a cut sequence
        {"\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""}, // a surrogate is no UTF-8
    };
    for (const auto& [raw, json] : quoted)
        EXPECT_EQ(cli::jsonString(raw), json);
    // Input that is no UTF-8 comes back as U+FFFD in the messages too.
    ASSERT_EQ(run({"char", "\xFF"}), 1);
    EXPECT_EQ(err.str(), "字典中没有这个字: \xEF\xBF\xBD\n");
}

// --common-only lists every name of the full list that score --json finds support for, and since the
// names it leaves out do not count toward the list's size, may go on past where the full list
// stopped: never with an unsupported name. Each has the score score --batch gives.
TEST_F(NamingVerbs, CommonOnlyLeavesOutExactlyTheUnsupportedNames)
{
    for (const char* mode : {"high-score", "super"}) {
        SCOPED_TRACE(mode);
        std::vector<std::string> words = {"generate", "--mode", mode,     "--surname", "李",
                                          "--sex",    "女",     "--seed", "4"};
        ASSERT_EQ(run(words), 0) << err.str();
        const std::vector<std::string> full = listedNames(out.str());
        words.emplace_back("--common-only");
        ASSERT_EQ(run(words), 0) << err.str();
        const std::string common = out.str();
        EXPECT_TRUE(err.str().starts_with("已略去 ")) << err.str();
        std::vector<std::string> listed = listedNames(common);

        // The names of a list that score --json finds support for.
        const auto supportedOf = [this](const std::vector<std::string>& names) {
            std::string requests;
            for (const std::string& name : names)
                requests += "李 " + name.substr(std::string("李").size()) + " --json --sex 女\n";
            EXPECT_EQ(run({"score", "--batch"}, requests), 0) << err.str();
            std::vector<std::string> supported;
            std::istringstream answers(out.str());
            size_t i = 0;
            for (std::string line; std::getline(answers, line); ++i)
                if (line.find("\"support\":\"none\"") == std::string::npos)
                    supported.push_back(names.at(i));
            EXPECT_EQ(i, names.size());
            std::sort(supported.begin(), supported.end());
            return supported;
        };
        const std::vector<std::string> supported = supportedOf(full);
        ASSERT_FALSE(supported.empty());
        ASSERT_LT(supported.size(), full.size()) << "the fixture lists unsupported names too";
        std::sort(listed.begin(), listed.end());
        EXPECT_TRUE(std::includes(listed.begin(), listed.end(), supported.begin(), supported.end()));
        EXPECT_EQ(supportedOf(listed), listed) << "no unsupported name";
        expectRowsEqualScore(common, "李");
    }
}

TEST_F(NamingVerbs, ScoreJsonCarriesTheSixFortunes)
{
    ASSERT_EQ(run({"score", "李", "明", "--json"}), 0);
    const std::string json = out.str();
    EXPECT_NE(json.find("\"name\":\"李明\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"fortunes\":[\""), std::string::npos) << json;
}

} // namespace

namespace {

std::vector<std::vector<std::string>> cellsOf(const std::string& listing)
{
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(listing);
    std::string line;
    while (std::getline(lines, line)) {
        std::vector<std::string> cells;
        size_t start = 0;
        for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
            cells.push_back(line.substr(start, tab - start));
        cells.push_back(line.substr(start));
        rows.push_back(std::move(cells));
    }
    return rows;
}

TEST_F(NamingVerbs, SuperModeFollowsTheElementOptionsAndExports)
{
    struct Case
    {
        std::vector<std::string> options;
        std::string first;  // allowed elements of the first given-name character
        std::string second; // of the second
    };
    const Case cases[] = {
        {{"--second", "水金", "--third", "木"}, "金水", "木"},
        {{"--must", "金木水火土", "--must-not", "火"}, "金木水土", "金木水土"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options[1]);
        std::vector<std::string> words = {"generate", "--mode", "super",  "--surname", "王",
                                          "--sex",    "女",     "--seed", "1"};
        words.insert(words.end(), c.options.begin(), c.options.end());
        ASSERT_EQ(run(words), 0) << err.str();
        const auto rows = cellsOf(out.str());
        ASSERT_LE(rows.size(), 100000u);
        for (size_t i = 0; i < rows.size(); ++i) {
            ASSERT_EQ(rows[i].size(), 8u);
            ASSERT_EQ(rows[i][0], std::to_string(i + 1));
            const std::string& elements = rows[i][4];
            ASSERT_NE(c.first.find(elements.substr(3, 3)), std::string::npos) << rows[i][1];
            ASSERT_NE(c.second.find(elements.substr(6, 3)), std::string::npos) << rows[i][1];
        }
    }
    const std::string file = (m_dir.path() / "super.txt").string();
    ASSERT_EQ(run({"generate", "--mode", "super", "--surname", "王", "--sex", "女", "--seed", "1", "--second",
                   "金", "--third", "金", "--export", file}),
              0);
    const std::string written = testing_support::readFile(file);
    const std::string printed = out.str();
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'),
              std::count(printed.begin(), printed.end(), '\n') + 1);

    for (const char* bad : {"金银", "fire"}) {
        EXPECT_EQ(run({"generate", "--mode", "super", "--surname", "王", "--must-not", bad}), 2) << bad;
        EXPECT_NE(err.str().find("金木水火土"), std::string::npos);
    }
}

TEST_F(NamingVerbs, FromChartEqualsTheRunWithTheSameElementOptions)
{
    struct Case
    {
        std::vector<std::string> chart; // the words after --from-chart
        std::vector<std::string> same;  // the explicit options it amounts to
        const char* said;
    };
    const Case cases[] = {
        {{"2013-1-4", "0"}, {"--second", "木"}, "已按八字所缺五行（木）设置筛选条件（--second 木）"},
        {{"2013-2-4", "0"}, {"--must", "木火"}, "已按八字所缺五行（木火）设置筛选条件（--must 木火）"},
        {{"1972-12-7 0"}, {"--must", "木火土"}, "已按八字所缺五行（木火土）设置筛选条件（--must 木火土）"},
    };
    const std::vector<std::string> base = {"generate", "--mode", "super",  "--surname", "李",
                                           "--sex",    "女",     "--seed", "1"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.said);
        std::vector<std::string> words = base;
        words.emplace_back("--from-chart");
        words.insert(words.end(), c.chart.begin(), c.chart.end());
        ASSERT_EQ(run(words), 0) << err.str();
        const std::string fromChart = out.str();
        EXPECT_NE(err.str().find(c.said), std::string::npos) << err.str();
        words = base;
        words.insert(words.end(), c.same.begin(), c.same.end());
        ASSERT_EQ(run(words), 0) << err.str();
        EXPECT_FALSE(fromChart.empty());
        EXPECT_EQ(fromChart, out.str());
    }

    // Nothing missing: the panel as the form starts it (a run of it is the slowest there is).
    std::string error;
    const auto args = cli::parseArguments({"generate", "--from-chart", "2013-1-1", "0"}, error);
    ASSERT_TRUE(args);
    naming::ElementFilter filter;
    filter.must = {};
    std::ostringstream said;
    ASSERT_TRUE(cli::parseElementOptions(*args, filter, said));
    EXPECT_TRUE(filter.must.limiter);
    EXPECT_EQ(filter.must.elements, "金木水火土");
    EXPECT_FALSE(filter.second.limiter);
    EXPECT_EQ(said.str(), "八字五行不缺，按默认筛选条件起名（--must 金木水火土）\n");

    // 23:00 belongs to the next day unless --late-zi same-day says otherwise, as on the birth-chart page:
    // 2013-1-4 23 lacks 木火 as 壬申 day, 木 alone as 辛未 day.
    const std::pair<std::vector<std::string>, std::string> lateZi[] = {
        {{"generate", "--from-chart", "2013-1-4", "23"},
         "已按八字所缺五行（木火）设置筛选条件（--must 木火）\n"},
        {{"generate", "--from-chart", "2013-1-4", "23", "--late-zi", "next-day"},
         "已按八字所缺五行（木火）设置筛选条件（--must 木火）\n"},
        {{"generate", "--from-chart", "2013-1-4", "23", "--late-zi", "same-day"},
         "已按八字所缺五行（木）设置筛选条件（--second 木）\n"},
    };
    for (const auto& [words, expected] : lateZi) {
        const auto parsed = cli::parseArguments(words, error);
        ASSERT_TRUE(parsed);
        std::ostringstream text;
        naming::ElementFilter chartFilter;
        ASSERT_TRUE(cli::parseElementOptions(*parsed, chartFilter, text));
        EXPECT_EQ(text.str(), expected);
    }

    const std::vector<std::vector<std::string>> bad = {
        {"--from-chart", "2013-1-4"},                        // no hour
        {"--from-chart", "2013-1-4", "0:30"},                // whole hours only
        {"--from-chart", "2013-2-30", "0"},                  // no such day
        {"--from-chart", "1880-1-1", "0"},                   // outside the calendar
        {"--from-chart", "2013-1-4", "0", "--second", "金"}, // two sources for one panel
        {"--from-chart", "2013-1-4", "23", "--late-zi", "today"},
        {"--late-zi", "same-day"}, // nothing to apply it to
    };
    for (const auto& options : bad) {
        std::vector<std::string> words = base;
        words.insert(words.end(), options.begin(), options.end());
        EXPECT_EQ(run(words), 2) << options[1];
        EXPECT_NE(err.str().find(options.size() > 3 ? options[3] : options[0]), std::string::npos)
            << err.str();
    }
    for (const char* option : {"--from-chart", "--late-zi"}) {
        EXPECT_EQ(run({"generate", "--mode", "high-score", "--surname", "王", option,
                       option == std::string("--late-zi") ? "same-day" : "2013-1-4 0"}),
                  2);
        EXPECT_NE(err.str().find("--mode super"), std::string::npos);
    }
}

// --by favourable takes the chart's main favourable elements (喜用神) where --by missing (the default)
// takes what it lacks, by the same placement: one element the first given-name character, two every one.
TEST_F(NamingVerbs, FromChartByFavourableEqualsTheRunWithThoseElements)
{
    struct Case
    {
        std::vector<std::string> words; // after --from-chart
        std::vector<std::string> same;
        const char* said;
    };
    const Case cases[] = {
        // 庚 in 子 month, weak (22 %): the producing 土 and its own 金.
        {{"2013-1-4", "0", "--by", "favourable"},
         {"--must", "土金"},
         "日主庚金身弱，已按喜用神（土金）设置筛选条件（--must 土金）"},
        // 壬 in 巳 month, balanced (51 %): the element it holds least, 木, for the first given name
        // character.
        {{"1990-5-7", "12", "--by", "favourable"},
         {"--second", "木"},
         "日主壬水中和，已按喜用神（木）设置筛选条件（--second 木）"},
        {{"2013-1-4", "0", "--by", "missing"},
         {"--second", "木"},
         "已按八字所缺五行（木）设置筛选条件（--second 木）"},
    };
    const std::vector<std::string> base = {"generate", "--mode", "super",  "--surname", "李",
                                           "--sex",    "男",     "--seed", "1"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.said);
        std::vector<std::string> words = base;
        words.emplace_back("--from-chart");
        words.insert(words.end(), c.words.begin(), c.words.end());
        ASSERT_EQ(run(words), 0) << err.str();
        const std::string fromChart = out.str();
        EXPECT_EQ(err.str(), std::string(c.said) + "\n");
        words = base;
        words.insert(words.end(), c.same.begin(), c.same.end());
        ASSERT_EQ(run(words), 0) << err.str();
        EXPECT_EQ(fromChart, out.str());
    }
    std::vector<std::string> words = base;
    words.insert(words.end(), {"--from-chart", "2013-1-4", "0", "--by", "needed"});
    EXPECT_EQ(run(words), 2);
    EXPECT_NE(err.str().find("--by 只能是"), std::string::npos) << err.str();
    words = base;
    words.insert(words.end(), {"--by", "favourable"});
    EXPECT_EQ(run(words), 2);
    EXPECT_EQ(err.str(), "--by 只与 --from-chart 同用\n");
}

TEST_F(NamingVerbs, ClassicModePrintsTheTextAsTheBoxHoldsIt)
{
    ASSERT_EQ(run({"generate", "--mode", "classic", "--surname", "王", "--sex", "男", "--length", "2",
                   "--seed", "1"}),
              0);
    const std::string text = out.str();
    std::istringstream words(text);
    size_t names = 0;
    for (std::string word; words >> word; ++names)
        ASSERT_EQ(word.substr(0, 3), "王");
    EXPECT_EQ(names, 2910u);
    EXPECT_EQ(text.substr(9, 2), "  ");
    const size_t firstBreak = text.find("\r\n\r\n");
    EXPECT_EQ(firstBreak, 14 * (3 + 6 + 2));
    const std::string file = (m_dir.path() / "classic.txt").string();
    ASSERT_EQ(run({"generate", "--mode", "classic", "--surname", "王", "--length", "1", "--seed", "1",
                   "--export", file}),
              0);
    EXPECT_EQ(testing_support::readFile(file), text::toGbk(out.str()));
}

} // namespace

namespace {

// --avoid leaves the names holding one of its characters out of the list; without a Chinese character
// it is a usage error.
TEST_F(NamingVerbs, AvoidLeavesOutNamesHoldingTheCharacters)
{
    ASSERT_EQ(run({"generate", "--mode", "high-score", "--surname", "李", "--seed", "3"}), 0) << err.str();
    const std::vector<std::string> before = listedNames(out.str());
    ASSERT_FALSE(before.empty());
    const std::string avoided = before[0].substr(3, 3) + before.back().substr(6, 3);
    ASSERT_EQ(run({"generate", "--mode", "high-score", "--surname", "李", "--seed", "3", "--avoid", avoided}),
              0);
    const std::vector<std::string> after = listedNames(out.str());
    EXPECT_FALSE(after.empty());
    for (const std::string& name : after)
        for (size_t at : {size_t{0}, size_t{3}})
            EXPECT_EQ(name.substr(3).find(avoided.substr(at, 3)), std::string::npos) << name;
    EXPECT_EQ(run({"generate", "--mode", "nickname", "--surname", "李", "--avoid", "abc"}), 2);
    EXPECT_NE(err.str().find("--avoid"), std::string::npos);
}

// compare prints the shortlist's comparison: a header, then a row per given name scored as `score`.
TEST_F(NamingVerbs, CompareListsTheNamesSideBySide)
{
    ASSERT_EQ(run({"compare", "李", "明华", "思远"}), 0) << err.str();
    const std::string table = out.str();
    ASSERT_EQ(run({"score", "--batch"}, "李 明华\n李 思远\n"), 0);
    std::istringstream scores(out.str());
    std::istringstream lines(table);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line,
              "编号\t姓名\t评分\t天格\t人格\t地格\t总格\t外格\t三才\t五行\t简体笔划\t合喜用\t平仄\t提示");
    for (int i = 1; i <= 2; ++i) {
        std::string score;
        ASSERT_TRUE(std::getline(lines, line));
        ASSERT_TRUE(std::getline(scores, score));
        // score: name, simplified total, total, elements, grids, key, score
        std::vector<std::string> s;
        for (std::istringstream cells(score); std::getline(cells, score, '\t');)
            s.push_back(score);
        ASSERT_EQ(s.size(), 7u);
        const std::string grids = s[4];
        std::string expected = std::to_string(i) + "\t" + s[0] + "\t" + s[6] + "\t";
        for (char c : grids)
            expected += c == ',' ? '\t' : c;
        // the grids come as 天,人,地,总,外 like the columns; 平仄 as `check` gives it
        ASSERT_EQ(run({"check", "李", i == 1 ? "明华" : "思远"}), 0);
        const std::string checked = out.str();
        const size_t at = checked.find("平仄\t") + std::string("平仄\t").size();
        // 合喜用 stays empty without a chart
        expected += "\t" + s[5] + "\t" + s[3] + "\t" + s[1] + "\t\t" +
                    checked.substr(at, checked.find('\n', at) - at) + "\t";
        EXPECT_EQ(line, expected);
    }
    EXPECT_EQ(run({"compare", "李"}), 2);
    EXPECT_EQ(run({"compare", "李", "明 华"}), 2);
    EXPECT_EQ(run({"compare", "李", "明华", "--from-chart", "2013-2-30", "0"}), 2);
    EXPECT_EQ(run({"compare", "李", "明华", "--late-zi", "same-day"}), 2);
}

// With a chart, 合喜用 names the given-name characters whose element (as the row's 五行 gives it, surname
// first) is favourable: 2013-1-1 0 wants 木火 (a weak 丁 day master), 1972-12-7 0 木火土 (a strong 壬).
TEST_F(NamingVerbs, CompareNamesTheCharactersThatCarryAFavourableElement)
{
    for (const auto& [date, favourable] :
         {std::pair<const char*, std::string>{"2013-1-1", "木火"}, {"1972-12-7", "木火土"}}) {
        ASSERT_EQ(run({"compare", "李", "明华", "思远", "--from-chart", date, "0"}), 0) << err.str();
        std::istringstream lines(out.str());
        std::string line;
        std::getline(lines, line);
        int carried = 0;
        while (std::getline(lines, line)) {
            std::vector<std::string> cells;
            for (std::istringstream split(line); std::getline(split, line, '\t');)
                cells.push_back(line);
            ASSERT_GE(cells.size(), 12u);
            const std::string given = cells[1].substr(3); // every character here is three bytes
            std::string expected;
            for (size_t i = 0; i < given.size(); i += 3)
                if (favourable.find(cells[9].substr(i + 3, 3)) != std::string::npos)
                    expected += given.substr(i, 3);
            EXPECT_EQ(cells[11], expected.empty() ? "无" : expected) << date << " " << given;
            carried += expected.empty() ? 0 : 1;
        }
        EXPECT_GT(carried, 0) << date;
    }
}

} // namespace

namespace {

// The support score --json gives on the built database: what a parent would recognise.
TEST(ScoreSupport, RealDatabaseTellsWhatSupportsTheName)
{
    const std::filesystem::path db = realDatabaseFile();
    if (!std::filesystem::exists(db))
        GTEST_SKIP() << "no built database at " << db;
    const struct
    {
        std::vector<std::string> words;
        std::string support;
        std::string line; // a supportLine must hold this; empty: none given
    } cases[] = {
        {{"李", "美玲", "--sex", "女"}, "real-name", ""},
        {{"李", "美玲"}, "real-name", ""},           // either sex
        {{"李", "美玲", "--sex", "男"}, "none", ""}, // a girl's name
        {{"李", "春光"}, "classical", "春光"},
        {{"李", "清光"}, "classical", "清光"},
        {{"李", "明"}, "common-characters", ""},
        {{"李", "器官"}, "none", ""},
    };
    std::ostringstream out;
    std::ostringstream err;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.words[1] + (c.words.size() > 2 ? c.words[3] : ""));
        std::vector<std::string> words = {"score"};
        words.insert(words.end(), c.words.begin(), c.words.end());
        words.emplace_back("--json");
        ASSERT_EQ(runCliOn(words, db, db.parent_path(), out, err), 0) << err.str();
        const std::string json = out.str();
        EXPECT_NE(json.find("\"support\":\"" + c.support + "\",\"supportCount\":"), std::string::npos)
            << json;
        const size_t line = json.find("\"supportLine\":\"");
        EXPECT_EQ(line != std::string::npos, !c.line.empty()) << json;
        if (line != std::string::npos) {
            EXPECT_NE(json.find(c.line, line), std::string::npos) << json;
        }
        const bool counted = json.find("\"supportCount\":0") == std::string::npos;
        EXPECT_EQ(counted, c.support != "none") << json;
    }
}

} // namespace
