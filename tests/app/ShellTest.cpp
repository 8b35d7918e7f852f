#include "ShellProgram.h"

#include "app/BirthChartPage.h"
#include "app/ControlNames.h"
#include "app/DateLists.h"
#include "app/testing/FakeHost.h"
#include "support/Fixture.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <functional>

namespace app {
namespace {

using namespace app::names;
using testing::FakeHost;
using testing::FakeWindow;

using Program = testing::ShellProgram;

// The program on the fake window system, in a temporary folder of its own; the tests of the start
// start it themselves.
class ShellStartUp : public ::testing::Test
{
protected:
    FakeWindow& main() { return m_program.host.main(); }

    testing_support::TempDir m_temp;
    Program m_program{m_temp.path()};
};

// ... and started.
class StartedShell : public ShellStartUp
{
protected:
    void SetUp() override { ASSERT_TRUE(m_program.shell.startUp()); }
};

using ShowPage = StartedShell;
using BirthChart = StartedShell;
using ChangeSkin = ShellStartUp;

std::string chartText(FakeHost& host)
{
    return host.main().text(编辑框_八字信息);
}

TEST_F(ShellStartUp, FirstRunShowsTheDefaults)
{
    ASSERT_TRUE(m_program.shell.startUp());
    auto& w = main();

    EXPECT_TRUE(m_program.host.mainShown());
    EXPECT_EQ(w.title(), "嘉禾起名软件V23.0");
    EXPECT_EQ(w.text(编辑框_姓氏), "");
    EXPECT_EQ(w.currentText(组合框_性别), "男");
    EXPECT_EQ(w.currentText(组合框_名字个数), "一字");
    EXPECT_EQ(w.items(组合框_年份).size(), 61u);
    EXPECT_EQ(w.currentIndex(组合框_年份), 43);
    EXPECT_EQ(w.currentText(组合框_年份), "2013");
    EXPECT_EQ(w.items(组合框_日子).size(), 31u);
    EXPECT_EQ(w.items(组合框_分钟).back(), "59");
    for (Name combo : {组合框_月份, 组合框_日子})
        EXPECT_EQ(w.currentText(combo), "1");
    for (Name combo : {组合框_时间, 组合框_分钟})
        EXPECT_EQ(w.currentText(combo), "0");
    EXPECT_EQ(w.text(编辑框_组合的字), "") << "restored even though the key is missing";
    EXPECT_EQ(w.rowCount(超级列表框_记录列表), 0);

    // The chart of 2013-1-1 hour 0.
    EXPECT_EQ(chartText(m_program.host)
                  .rfind("公历日期：2013年1月1日0时\r\n\r\n农历日期：壬辰年    冬月  二十日  庚子时", 0),
              0u);
    EXPECT_NE(chartText(m_program.host).find("八字四柱：壬辰年  壬子月  丁卯日  庚子时"), std::string::npos);
    EXPECT_EQ(w.text(八字五行标签), "水,土,水,水,火,木,金,水,");
    EXPECT_EQ(w.text(缺五行标签), "");

    EXPECT_EQ(w.statusPicture(状态条1), 0);
    EXPECT_EQ(w.statusText(状态条1), "高速生成,以好听为主,不考虑名字的五行数理等因素");
    ASSERT_EQ(m_program.host.appliedSkins().size(), 1u);
    EXPECT_EQ(m_program.host.appliedSkins()[0], startSkin());
    EXPECT_EQ(m_program.shell.skinNumber(), 1);
    EXPECT_EQ(m_program.loads, 1);
    EXPECT_TRUE(m_program.host.messages().empty());
    EXPECT_TRUE(w.unknownControls().empty());
}

TEST_F(ShellStartUp, FirstStartShowsTodayAndTheDateIsKeptAcrossStarts)
{
    {
        Program first(m_temp.path());
        first.shell.hooks().today = [] { return std::array<int, 3>{2026, 12, 11}; };
        ASSERT_TRUE(first.shell.startUp());
        auto& w = first.host.main();
        const std::pair<Name, const char*> today[] = {{组合框_年份, "2026"},     {组合框_月份, "12"},
                                                      {组合框_日子, "11"},       {组合框_时间, "0"},
                                                      {组合框_八字年份, "2026"}, {组合框_评分日子, "11"}};
        for (const auto& [combo, text] : today)
            EXPECT_EQ(w.currentText(combo), text) << combo;
        EXPECT_EQ(chartText(first.host).rfind("公历日期：2026年12月11日0时", 0), 0u);

        // The parent's date, kept in config.dat, comes back on the next start whatever today is.
        w.selectItem(组合框_年份, 2025 - 1970);
        w.selectItem(组合框_月份, 4);
        w.selectItem(组合框_日子, 19);
        w.selectItem(组合框_时间, 8);
        w.selectItem(组合框_分钟, 30);
        first.shell.ExitApplication();
    }
    Program again(m_temp.path());
    again.shell.hooks().today = [] { return std::array<int, 3>{2026, 12, 12}; };
    ASSERT_TRUE(again.shell.startUp());
    auto& w = again.host.main();
    EXPECT_EQ(w.currentText(组合框_年份) + "-" + w.currentText(组合框_月份) + "-" +
                  w.currentText(组合框_日子) + " " + w.currentText(组合框_时间) + ":" +
                  w.currentText(组合框_分钟),
              "2025-5-20 8:30");
    EXPECT_EQ(w.text(透明标签_起名日期), "2025年5月20日8时");
    EXPECT_EQ(chartText(again.host).rfind("公历日期：2025年5月20日8时", 0), 0u);
    // The evaluation page's own date starts from it too.
    w.setCurrentPage(高级选择夹1, kPageEvaluation);
    EXPECT_EQ(w.currentText(组合框_评分年份), "2025");
    EXPECT_EQ(w.currentText(组合框_评分分钟), "30");
}

TEST_F(ShellStartUp, StepsRunInOrder)
{
    std::filesystem::create_directories(m_temp.path() / "config");
    std::ofstream(m_temp.path() / "config" / "config.dat")
        << "[\xc9\xe8\xd6\xc3]\r\n\xd0\xd5\xca\xcf=\xc0\xee\r\n"; // 设置 / 姓氏=李
    std::vector<std::string> steps;
    m_program.shell.hooks().setLastRunSurname = [&](const std::string& s) {
        steps.push_back("surname:" + s);
    };
    m_program.shell.hooks().restoreRecords = [&](const std::string&) { steps.emplace_back("records"); };
    m_program.shell.hooks().resetGenerationSetting = [&] { steps.emplace_back("generation"); };
    m_program.shell.hooks().startDatabaseLoad = [&] { steps.emplace_back("load"); };
    ASSERT_TRUE(m_program.shell.startUp());
    // LastRunSurname is taken before the settings restore the surname, so it is empty.
    EXPECT_EQ(steps, (std::vector<std::string>{"surname:", "records", "generation", "load"}));
    EXPECT_EQ(m_program.host.main().text(编辑框_姓氏), "李");
}

TEST_F(ShellStartUp, SecondInstanceEndsBeforeAnyWindowShows)
{
    ASSERT_TRUE(m_program.shell.startUp());
    {
        Program second(m_temp.path());
        EXPECT_FALSE(second.shell.startUp());
        EXPECT_FALSE(second.host.mainShown());
        EXPECT_TRUE(second.host.appliedSkins().empty());
        EXPECT_EQ(second.loads, 0);
    }
    // The first copy still runs and still holds the lock.
    EXPECT_TRUE(m_program.host.mainShown());
    SingleInstanceGuard third;
    EXPECT_FALSE(third.acquire(m_temp.path() / "nestling.lock"));
    m_program.shell.ExitApplication();
    EXPECT_TRUE(m_program.host.quitCalled());
}

TEST_F(ShellStartUp, LockReleasedWithTheProgram)
{
    {
        Program first(m_temp.path());
        ASSERT_TRUE(first.shell.startUp());
    }
    Program again(m_temp.path());
    EXPECT_TRUE(again.shell.startUp());
}

TEST_F(ShowPage, BirthChartPageTakesTheNamingDateAndResetsItsOwn)
{
    auto& w = main();
    w.selectItem(组合框_八字年份, 0);
    w.selectItem(组合框_年份, 2001 - 1970);
    w.selectItem(组合框_月份, 4);
    w.selectItem(组合框_日子, 19);
    w.selectItem(组合框_时间, 8);

    // By the toolbar (twice: the page already shown is refreshed), by the menu and by its tab.
    const auto toolbar = [&] { w.clickTool(工具条1, kToolBirthChart); };
    const auto menu = [&] { w.fire(菜单_生辰八字, EventKind::Clicked); };
    const auto tab = [&] { w.setCurrentPage(高级选择夹1, kPageBirthChart); };
    const std::pair<const char*, std::function<void()>> routes[] = {
        {"toolbar", toolbar}, {"toolbar again", toolbar}, {"menu", menu}, {"tab", tab}};
    for (const auto& [route, show] : routes) {
        SCOPED_TRACE(route);
        w.setCurrentPage(高级选择夹1, route == std::string("toolbar again") ? kPageBirthChart : kPageModes);
        w.setText(编辑框_八字信息, "");
        show();
        EXPECT_EQ(w.currentPage(高级选择夹1), kPageBirthChart);
        EXPECT_EQ(w.text(透明标签_起名日期), "2001年5月20日8时");
        // The page's own date starts from the naming date.
        EXPECT_EQ(w.currentText(组合框_八字年份), "2001");
        EXPECT_EQ(w.currentText(组合框_八字月份), "5");
        EXPECT_EQ(w.currentText(组合框_八字日子), "20");
        EXPECT_EQ(w.currentText(组合框_八字时间), "8");
        EXPECT_EQ(w.items(组合框_八字年份).size(), 61u) << "refilled, not appended";
        EXPECT_EQ(w.items(组合框_八字时间).size(), 24u);
        // The chart under the naming date's label is that date's.
        EXPECT_EQ(chartText(m_program.host).rfind("公历日期：2001年5月20日8时", 0), 0u);
    }

    // With 自定义日期 chosen, showing the page keeps the chart of the last query and the date chosen.
    w.setChecked(单选框_自定义日期, true);
    w.selectItem(组合框_八字年份, 2013 - 1970);
    w.click(按钮_八字查询);
    const std::string custom = chartText(m_program.host);
    EXPECT_EQ(custom.rfind("公历日期：2013年5月20日8时", 0), 0u);
    w.setCurrentPage(高级选择夹1, kPageModes);
    w.setCurrentPage(高级选择夹1, kPageBirthChart);
    EXPECT_EQ(chartText(m_program.host), custom);
    EXPECT_EQ(w.currentText(组合框_八字年份), "2013");
}

TEST_F(ShowPage, BirthChartPageEmptiesTheChartOfANamingDateThatDoesNotExist)
{
    auto& w = main();
    w.selectItem(组合框_月份, 1);
    w.selectItem(组合框_日子, 29);
    w.setCurrentPage(高级选择夹1, kPageBirthChart);
    EXPECT_EQ(w.text(透明标签_起名日期), "2013年2月30日0时");
    EXPECT_EQ(chartText(m_program.host), "");
    EXPECT_TRUE(m_program.host.messages().empty()) << "the message is for 查询";
}

TEST_F(ShowPage, EvaluationPageCopiesTheSurnameAndFillsItsListsOnce)
{
    auto& w = main();
    w.setText(编辑框_姓氏, "欧阳");
    EXPECT_EQ(w.currentText(组合框_评分年份), "2013") << "filled at start";
    w.setCurrentPage(高级选择夹1, kPageEvaluation);
    EXPECT_EQ(w.text(编辑框_评分姓氏), "欧阳") << "by its tab";
    w.setCurrentPage(高级选择夹1, kPageModes);
    w.fire(菜单_姓名评分, EventKind::Clicked);
    w.setText(编辑框_评分姓氏, "changed");
    w.selectItem(组合框_评分年份, 3);
    w.clickTool(工具条1, kToolEvaluation);

    EXPECT_EQ(w.currentPage(高级选择夹1), kPageEvaluation);
    EXPECT_EQ(w.text(编辑框_评分姓氏), "欧阳");
    const std::pair<Name, std::size_t> sizes[] = {{组合框_评分年份, 61},
                                                  {组合框_评分月份, 12},
                                                  {组合框_评分日子, 31},
                                                  {组合框_评分时间, 24},
                                                  {组合框_评分分钟, 60}};
    for (const auto& [combo, size] : sizes) {
        SCOPED_TRACE(std::string(combo));
        EXPECT_EQ(w.items(combo).size(), size);
    }
    EXPECT_EQ(w.items(组合框_评分年份), yearItems());
    EXPECT_EQ(w.currentText(组合框_评分年份), "2013");
    EXPECT_EQ(w.currentText(组合框_评分月份), "1");
    EXPECT_EQ(w.currentText(组合框_评分日子), "1");
    EXPECT_EQ(w.currentText(组合框_评分时间), "0");
    EXPECT_EQ(w.currentText(组合框_评分分钟), "0");
}

TEST_F(ShowPage, ToolbarAndMenusReachTheirPagesAndWindows)
{
    auto& w = main();
    w.clickTool(工具条1, kToolRecords);
    EXPECT_EQ(w.currentPage(高级选择夹1), kPageRecords);
    w.fire(菜单_模式选择, EventKind::Clicked);
    EXPECT_EQ(w.currentPage(高级选择夹1), kPageModes);

    w.clickTool(工具条1, kToolDictionary);
    ASSERT_EQ(m_program.host.openedWindows().size(), 1u);
    EXPECT_EQ(m_program.host.openedWindows()[0].name, NestlingWord);
    EXPECT_EQ(m_program.host.openedWindows()[0].mode, WindowMode::Modal);
    EXPECT_EQ(w.currentPage(高级选择夹1), kPageModes);

    w.fire(菜单_关于软件, EventKind::Clicked);
    EXPECT_EQ(m_program.host.openedWindows().back().name, AboutUs);
}

TEST_F(ShowPage, HelpOpensTheManualInTheProgramsOwnBrowser)
{
    auto& w = main();
    const std::filesystem::path manual = m_temp.path() / "program" / "Help" / "用户手册.mht";

    w.fire(菜单_使用帮助, EventKind::Clicked);
    ASSERT_EQ(m_program.host.messages().size(), 1u) << "a missing manual is said";
    EXPECT_EQ(m_program.host.messages()[0].text, "找不到使用手册：" + manual.string());
    EXPECT_EQ(m_program.host.find(NestlingConten), nullptr);

    std::filesystem::create_directories(manual.parent_path());
    std::ofstream(manual) << "MIME-Version: 1.0";
    w.fire(菜单_使用帮助, EventKind::Clicked);
    FakeWindow* help = m_program.host.find(NestlingConten);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(m_program.host.openedWindows().back().name, NestlingContenSinglePage);
    EXPECT_EQ(help->title(), "使用帮助");
    EXPECT_EQ(help->browserFile(网页浏览框1), manual.string());
    EXPECT_TRUE(m_program.host.desktopOpened().empty());
}

TEST_F(ShellStartUp, ModeRadiosShowTheirDescription)
{
    ASSERT_TRUE(m_program.shell.startUp());
    auto& w = main();
    w.click(单选框_超吉起名);
    EXPECT_EQ(w.statusPicture(状态条1), 6);
    EXPECT_EQ(w.statusText(状态条1), "系统将在1000万个名字中提取超吉名字,起名时间较长,并且不考虑单字名");
    w.click(单选框_高分起名);
    EXPECT_EQ(w.statusPicture(状态条1), 1);
    EXPECT_FALSE(w.isChecked(单选框_超吉起名));
}

TEST_F(BirthChart, DateThatDoesNotExistShowsAMessageAndKeepsTheChart)
{
    auto& w = main();
    w.clickTool(工具条1, kToolBirthChart);
    const std::string before = chartText(m_program.host);
    w.click(单选框_自定义日期);
    w.selectItem(组合框_八字月份, 1);
    w.selectItem(组合框_八字日子, 29); // 2013-2-30
    w.click(按钮_八字查询);
    ASSERT_EQ(m_program.host.messages().size(), 1u);
    EXPECT_EQ(m_program.host.messages()[0].text, "请选择正确的日期");
    EXPECT_EQ(m_program.host.messages()[0].caption, "提示");
    EXPECT_EQ(chartText(m_program.host), before);

    // The page's own date, before 立春 of 2013.
    w.selectItem(组合框_八字日子, 3); // 2013-2-4 hour 0
    w.click(按钮_八字查询);
    EXPECT_EQ(w.text(八字五行标签), "水,土,水,土,金,土,土,水,");
    EXPECT_EQ(w.text(缺五行标签), "木火");
    EXPECT_NE(chartText(m_program.host).find("( 五行缺：木火 )"), std::string::npos);
}

TEST_F(BirthChart, NamingButtonIsEnabledForEveryChart)
{
    auto& w = main();
    // The start-up chart (2013-1-1 0时) lacks nothing: the button stays enabled and answers (the naming
    // page's test) instead of staying dead.
    EXPECT_TRUE(w.isEnabled(按钮_按所缺五行起名));
    EXPECT_EQ(w.text(透明标签_五行说明), "八字五行齐全：金、木、水、火、土都有，不缺哪一行。");

    // A naming date that does not exist empties the chart: nothing to supply, the button is off.
    w.selectItem(组合框_月份, 1);
    w.selectItem(组合框_日子, 29); // 2013-2-30
    EXPECT_FALSE(w.isEnabled(按钮_按所缺五行起名));
    EXPECT_EQ(w.text(透明标签_五行说明), "");
    w.selectItem(组合框_日子, 3); // 2013-2-4 0时 lacks 木火
    EXPECT_TRUE(w.isEnabled(按钮_按所缺五行起名));
    EXPECT_EQ(w.text(透明标签_五行说明), "八字五行缺木、火。可在名字中用属木、属火的字补足。");
}

TEST_F(BirthChart, NamingDateChartFollowsEveryChangeOfTheInputDate)
{
    auto& w = main();
    w.clickTool(工具条1, kToolBirthChart);
    // Each of the four drop-downs, while the page is open, with no query and no toolbar.
    const std::pair<Name, int> changes[] = {
        {组合框_年份, 2020 - 1970}, {组合框_月份, 5}, {组合框_日子, 14}, {组合框_时间, 10}};
    const char* const heads[] = {"公历日期：2020年1月1日0时", "公历日期：2020年6月1日0时",
                                 "公历日期：2020年6月15日0时", "公历日期：2020年6月15日10时"};
    for (std::size_t i = 0; i < std::size(changes); ++i) {
        SCOPED_TRACE(heads[i]);
        w.selectItem(changes[i].first, changes[i].second);
        EXPECT_EQ(chartText(m_program.host).rfind(heads[i], 0), 0u);
    }
    EXPECT_EQ(w.text(透明标签_起名日期), "2020年6月15日10时");

    // With 自定义日期 the page's chart is the query's; choosing 使用起名日期 again shows the naming date's.
    w.click(单选框_自定义日期);
    w.click(按钮_八字查询);
    const std::string custom = chartText(m_program.host);
    w.selectItem(组合框_时间, 11);
    EXPECT_EQ(chartText(m_program.host), custom);
    EXPECT_EQ(w.text(透明标签_起名日期), "2020年6月15日11时");
    w.click(单选框1);
    EXPECT_EQ(chartText(m_program.host).rfind("公历日期：2020年6月15日11时", 0), 0u);
}

TEST_F(BirthChart, MissingElementsTextWritesTheLabel)
{
    FakeHost host;
    EXPECT_EQ(MissingElementsText(host.main(), "水,土,水,水,火,木,金,水,"), "五行不缺");
    EXPECT_EQ(host.main().text(缺五行标签), "");
    EXPECT_EQ(MissingElementsText(host.main(), "水,金,水,水,金,水,金,水,"), "五行缺：木火土");
    EXPECT_EQ(host.main().text(缺五行标签), "木火土");
}

TEST_F(ChangeSkin, StepsThroughTheListOnceWithoutWrapping)
{
    ASSERT_TRUE(m_program.shell.startUp());
    auto& w = main();
    w.fire(菜单_更换皮肤, EventKind::Clicked);
    ASSERT_EQ(m_program.host.appliedSkins().size(), 2u);
    EXPECT_EQ(m_program.host.appliedSkins()[1], skinList()[0])
        << "the first change is not the start skin again";
    for (int click = 2; click <= 79; ++click)
        w.fire(菜单_更换皮肤, EventKind::Clicked);
    ASSERT_EQ(m_program.host.appliedSkins().size(), 80u);
    EXPECT_EQ(m_program.host.appliedSkins().back(), skinList().back());
    for (int click = 80; click <= 85; ++click)
        w.fire(菜单_更换皮肤, EventKind::Clicked);
    EXPECT_EQ(m_program.host.appliedSkins().size(), 80u);
    EXPECT_EQ(m_program.shell.skinNumber(), 86);
}

TEST_F(ChangeSkin, EveryStartBeginsWithTheStartSkin)
{
    {
        Program p(m_temp.path());
        ASSERT_TRUE(p.shell.startUp());
        p.host.main().fire(菜单_更换皮肤, EventKind::Clicked);
        p.shell.ExitApplication();
    }
    Program p(m_temp.path());
    ASSERT_TRUE(p.shell.startUp());
    ASSERT_EQ(p.host.appliedSkins().size(), 1u);
    EXPECT_EQ(p.host.appliedSkins()[0], startSkin());
}

} // namespace
} // namespace app
