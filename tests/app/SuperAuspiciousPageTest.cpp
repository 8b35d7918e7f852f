#include "../naming/NamingFixture.h"
#include "app/ControlNames.h"
#include "app/ElementFilterPanel.h"
#include "app/ExportButtons.h"
#include "app/NamingController.h"
#include "app/testing/FakeHost.h"
#include "naming/MissingElementsFilter.h"
#include "numerology/CharacterRecord.h"
#include "support/Fixture.h"
#include "text/Gbk.h"

#include <array>
#include <future>

namespace {

using namespace app;
using app::testing::FakeHost;
using app::testing::FakeWindow;

constexpr std::array<names::Name, 4> kLimiters = {
    names::选择框_第二个字五行限定, names::选择框_第三个字五行限定, names::选择框_所有字必带五行,
    names::选择框_所有字不能带五行};
constexpr std::array<names::Name, 4> kFirstBoxes = {names::选择框_金0, names::选择框_金1, names::选择框_金2,
                                                    names::选择框_金3};

// The panel as a short text: per row, limiter checked (C) or not (-), enabled (e) or not (d), and
// whether its element boxes are enabled (E) or not (D). The form starts at "-d D|-d D|Ce E|-e D".
std::string panelState(const FakeWindow& w)
{
    std::string out;
    for (size_t i = 0; i < kLimiters.size(); ++i) {
        if (i)
            out += '|';
        out += w.isChecked(kLimiters[i]) ? 'C' : '-';
        out += w.isEnabled(kLimiters[i]) ? 'e' : 'd';
        out += w.isEnabled(kFirstBoxes[i]) ? " E" : " D";
    }
    return out;
}

TEST(ElementFilterPanel, LimiterClicksKeepTheTwoKindsApart)
{
    struct Case
    {
        std::vector<size_t> clicks; // limiter rows, in order, from the form's state
        const char* state;
    };
    const Case cases[] = {
        {{}, "-d D|-d D|Ce E|-e D"},
        {{2}, "-e D|-e D|-e D|-e D"},             // must off: the position limiters open
        {{3}, "-d D|-d D|Ce E|Ce E"},             // must not on beside must
        {{3, 2}, "-d D|-d D|-e D|Ce E"},          // must off, must not still on: positions stay shut
        {{3, 2, 3}, "-e D|-e D|-e D|-e D"},       // both off: positions open
        {{2, 0}, "Ce E|-e D|-d D|-d D"},          // second on: the all-character limiters shut
        {{2, 0, 1}, "Ce E|Ce E|-d D|-d D"},       // both positions together
        {{2, 0, 1, 0}, "-e D|Ce E|-d D|-d D"},    // second off, third still on
        {{2, 0, 1, 0, 1}, "-e D|-e D|-e D|-e D"}, // both off: all-character limiters open
        {{2, 1, 1, 2}, "-d D|-d D|Ce E|-e D"},    // back to the form's state
    };
    for (const Case& c : cases) {
        FakeHost host;
        wireElementFilterPanel(host.main());
        std::string trace;
        for (size_t row : c.clicks) {
            trace += std::to_string(row);
            host.main().click(kLimiters[row]);
        }
        SCOPED_TRACE(trace);
        EXPECT_EQ(panelState(host.main()), c.state);
    }
}

TEST(ElementFilterPanel, ReadsTheCheckedBoxesInPanelOrder)
{
    FakeHost host;
    FakeWindow& w = host.main();
    naming::ElementFilter filter = readElementFilter(w);
    EXPECT_TRUE(filter.must.limiter);
    EXPECT_EQ(filter.must.elements, "金木水火土");
    EXPECT_FALSE(filter.second.limiter);
    EXPECT_EQ(filter.mustNot.elements, "");

    w.setChecked(names::选择框_所有字必带五行, false);
    w.setChecked(names::选择框_第二个字五行限定, true);
    w.setChecked(names::选择框_水0, true);
    w.setChecked(names::选择框_金0, true);
    filter = readElementFilter(w);
    EXPECT_TRUE(filter.second.limiter);
    EXPECT_EQ(filter.second.elements, "金水");
    EXPECT_FALSE(filter.must.limiter);
}

// The checked element boxes of the four rows, "|" between rows.
std::string checkedElements(const FakeWindow& w)
{
    const naming::ElementFilter filter = readElementFilter(w);
    return filter.second.elements + "|" + filter.third.elements + "|" + filter.must.elements + "|" +
           filter.mustNot.elements;
}

TEST(ElementFilterPanel, MissingElementsSetThePanel)
{
    struct Case
    {
        const char* missing;
        const char* state;
        const char* checked;
    };
    const Case cases[] = {
        {"", "-d D|-d D|Ce E|-e D", "||金木水火土|"}, // the form's panel
        {"木", "Ce E|-e D|-d D|-d D", "木|||"},       // the first given-name character carries it
        {"木火", "-d D|-d D|Ce E|-e D", "||木火|"},   // every character of exactly those
        {"木火土", "-d D|-d D|Ce E|-e D", "||木火土|"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.missing);
        FakeHost host;
        FakeWindow& w = host.main();
        wireElementFilterPanel(w);
        // From a panel set otherwise: both position limiters on with other elements.
        w.click(names::选择框_所有字必带五行);
        w.click(names::选择框_第二个字五行限定);
        w.click(names::选择框_金0);
        w.click(names::选择框_第三个字五行限定);
        w.click(names::选择框_水1);
        setElementFilter(w, naming::filterForMissingElements(c.missing));
        EXPECT_EQ(panelState(w), c.state);
        EXPECT_EQ(checkedElements(w), c.checked);
        // The panel reads back as the filter it was set to, and its rules still hold from there.
        const naming::ElementFilter read = readElementFilter(w);
        const naming::ElementFilter expected = naming::filterForMissingElements(c.missing);
        EXPECT_EQ(read.second.limiter, expected.second.limiter);
        EXPECT_EQ(read.must.limiter, expected.must.limiter);
        EXPECT_FALSE(read.third.limiter);
        EXPECT_FALSE(read.mustNot.limiter);
    }
}

class SuperAuspiciousPageTest : public NamingFixture
{
protected:
    void SetUp() override
    {
        NamingFixture::SetUp();
        // 李's 天格 gets a fortune word outside the threshold table, so every formed name is listed.
        const int heaven = numerology::LookupCharacter(m_store, "李").traditionalStrokes + 1;
        ASSERT_TRUE(m_store.Query("update XW_八一灵动数 set 吉凶=? where Id=?",
                                  {std::string("平"), std::int64_t{heaven}}));
        m_controller.wire();
        m_exports.wire();
        m_controller.setSeed(3);
        main().setText(names::编辑框_姓氏, "李");
        main().click(names::单选框_超吉起名);
        main().selectItem(names::组合框_性别, 1); // 女: the smaller list
        // Narrow the panel so a run stays short: first character 金, second 木.
        main().click(names::选择框_所有字必带五行);
        main().click(names::选择框_第二个字五行限定);
        main().click(names::选择框_金0);
        main().click(names::选择框_第三个字五行限定);
        main().click(names::选择框_木1);
    }

    FakeWindow& main() { return m_host.main(); }
    void finishRun()
    {
        m_controller.waitForRun();
        m_host.runPosted();
    }
    int rows() { return main().rowCount(names::超级列表框_超吉起名); }

    FakeHost m_host;
    NamingController m_controller{m_host, m_store};
    ExportButtons m_exports{m_host, m_dir.path()};
};

TEST_F(SuperAuspiciousPageTest, StartNamingOnlyOpensThePage)
{
    main().setChecked(names::选择框_所有字必带五行, true); // as if checked while the limiters were shut
    main().click(names::按钮_起名);
    EXPECT_EQ(main().currentPage(names::高级选择夹1), kPageSuperAuspicious);
    EXPECT_FALSE(m_controller.running()) << "生成 starts the run";
    EXPECT_EQ(m_controller.lastRunSurname(), "李");
    EXPECT_TRUE(main().isEnabled(names::按钮_超吉生成));
    // The rule of 所有字必带五行 ran once: the position limiters are shut again.
    EXPECT_FALSE(main().isChecked(names::选择框_第二个字五行限定));
    EXPECT_FALSE(main().isEnabled(names::选择框_第二个字五行限定));
}

TEST_F(SuperAuspiciousPageTest, GenerateFillsTheSortedListAndRestoresTheControls)
{
    main().click(names::按钮_起名);
    main().click(names::按钮_超吉生成);
    EXPECT_FALSE(main().isEnabled(names::按钮_超吉生成));
    EXPECT_FALSE(main().isEnabled(names::按钮_超吉暂停));
    EXPECT_FALSE(main().isEnabled(names::按钮_超吉导出));
    EXPECT_FALSE(main().isToolButtonEnabled(names::工具条1, 0));
    EXPECT_NE(m_host.find(names::NestlingWaiting), nullptr);
    finishRun();
    ASSERT_GT(rows(), 0);
    for (int r = 1; r < rows(); ++r)
        ASSERT_LE(std::stoi(main().cell(names::超级列表框_超吉起名, r, 7)),
                  std::stoi(main().cell(names::超级列表框_超吉起名, r - 1, 7)));
    EXPECT_EQ(main().cell(names::超级列表框_超吉起名, 0, 0), "1");
    EXPECT_EQ(main().cell(names::超级列表框_超吉起名, 0, 4).substr(3, 3), "金");
    EXPECT_TRUE(main().isEnabled(names::按钮_超吉生成));
    EXPECT_TRUE(main().isEnabled(names::按钮_超吉暂停));
    EXPECT_TRUE(main().isEnabled(names::按钮_超吉导出));
    EXPECT_TRUE(main().isToolButtonEnabled(names::工具条1, 0));
    EXPECT_EQ(m_host.find(names::NestlingWaiting), nullptr);
    EXPECT_EQ(main().rowCount(names::超级列表框_高分起名), 0) << "the high-score list is not touched";

    // 导出 writes 100NameList.txt: the header and one line per row.
    main().click(names::按钮_超吉导出);
    const std::string written = testing_support::readFile(m_dir.path() / "data" / "100NameList.txt");
    EXPECT_EQ(written.substr(0, written.find("\r\n")),
              text::toGbk("编号    姓名    简体笔划    繁体笔划    五行    五格    三才    评分"));
    EXPECT_EQ(static_cast<int>(std::count(written.begin(), written.end(), '\n')), rows() + 1);

    // The same surname from 按钮_起名 keeps the list; a new one empties it.
    const ListRow first = main().row(names::超级列表框_超吉起名, 0);
    main().click(names::按钮_起名);
    EXPECT_EQ(main().row(names::超级列表框_超吉起名, 0), first);
    main().setText(names::编辑框_姓氏, "王");
    main().click(names::按钮_起名);
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(m_controller.lastRunSurname(), "王");
}

// Whatever the run throws, of any type, is said and ends the run with the controls given back: nothing
// escapes the worker thread (which would end the program).
TEST_F(SuperAuspiciousPageTest, AnythingTheRunThrowsIsSaidAndEndsTheRun)
{
    m_controller.setRunHook([](naming::RunControl& control) {
        control.setHoldHook([] { throw 42; });
        control.pause();
    });
    main().click(names::按钮_起名);
    main().click(names::按钮_超吉生成);
    finishRun();
    ASSERT_FALSE(m_host.messages().empty());
    EXPECT_EQ(m_host.messages().back().text, "起名时出错。");
    EXPECT_FALSE(m_controller.running());
    EXPECT_TRUE(main().isEnabled(names::按钮_超吉生成));
    EXPECT_TRUE(main().isToolButtonEnabled(names::工具条1, 0));
    EXPECT_EQ(m_host.find(names::NestlingWaiting), nullptr);
}

TEST_F(SuperAuspiciousPageTest, PauseHoldsTheListAndANewSurnameEndsTheRun)
{
    // The run is paused before its thread starts, so it holds at its first checkpoint.
    std::promise<void> held;
    const auto once = std::make_shared<bool>(false);
    m_controller.setRunHook([&](naming::RunControl& control) {
        control.setHoldHook([&held, once] {
            if (!*once) {
                *once = true;
                held.set_value();
            }
        });
        control.pause();
    });
    main().click(names::按钮_起名);
    main().click(names::按钮_超吉生成);
    held.get_future().wait();
    main().setEnabled(names::按钮_超吉暂停, true); // as the first row would
    main().click(names::按钮_超吉暂停);
    EXPECT_EQ(main().text(names::按钮_超吉暂停), "继续");
    EXPECT_TRUE(main().isToolButtonEnabled(names::工具条1, 0));
    EXPECT_FALSE(main().isEnabled(names::单选框_经典起名));
    EXPECT_FALSE(main().isEnabled(names::单选框_高分起名));
    EXPECT_TRUE(main().isEnabled(names::单选框_超吉起名));
    EXPECT_TRUE(main().isEnabled(names::按钮_超吉导出));
    EXPECT_TRUE(m_controller.running());
    m_host.runPosted();
    EXPECT_EQ(rows(), 0) << "a held run writes nothing";

    main().setText(names::编辑框_姓氏, "王");
    main().click(names::按钮_起名);
    EXPECT_FALSE(m_controller.running()) << "a held run ends at once";
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(main().text(names::按钮_超吉暂停), "暂停");
    EXPECT_TRUE(main().isEnabled(names::按钮_超吉生成));
    EXPECT_TRUE(main().isMenuItemEnabled(names::菜单_模式选择));
    EXPECT_EQ(m_host.find(names::NestlingWaiting), nullptr);
    m_host.runPosted();
    EXPECT_EQ(rows(), 0) << "nothing of the ended run arrives later";

    // Continue lets a held run go on to its end.
    main().setText(names::编辑框_姓氏, "李");
    main().click(names::按钮_超吉生成);
    main().setEnabled(names::按钮_超吉暂停, true);
    main().click(names::按钮_超吉暂停);
    main().click(names::按钮_超吉暂停);
    EXPECT_EQ(main().text(names::按钮_超吉暂停), "暂停");
    EXPECT_TRUE(main().isEnabled(names::单选框_经典起名));
    EXPECT_FALSE(main().isEnabled(names::按钮_超吉导出));
    finishRun();
    EXPECT_GT(rows(), 0);
}

TEST_F(SuperAuspiciousPageTest, NamingFromTheChartSuppliesTheMissingElement)
{
    main().click(names::单选框_经典起名);
    main().setText(names::缺五行标签, "木");             // as the chart of such a date writes it
    main().setEnabled(names::按钮_按所缺五行起名, true); // and as it enables the button
    main().click(names::按钮_按所缺五行起名);
    EXPECT_TRUE(main().isChecked(names::单选框_超吉起名));
    EXPECT_EQ(main().currentPage(names::高级选择夹1), kPageSuperAuspicious);
    EXPECT_EQ(main().statusText(names::状态条1), "已按八字所缺五行（木）设置筛选条件");
    EXPECT_EQ(main().statusPicture(names::状态条1), 6);
    EXPECT_EQ(panelState(main()), "Ce E|-e D|-d D|-d D");
    EXPECT_NE(m_host.find(names::NestlingWaiting), nullptr) << "the run started";
    finishRun();
    ASSERT_GT(rows(), 0);
    for (int r = 0; r < rows(); ++r)
        ASSERT_EQ(main().cell(names::超级列表框_超吉起名, r, 4).substr(3, 3), "木")
            << main().cell(names::超级列表框_超吉起名, r, 1);
    EXPECT_EQ(m_controller.lastRunSurname(), "李");
}

TEST_F(SuperAuspiciousPageTest, NamingFromAChartThatLacksNothingSaysSoAndStartsNothing)
{
    main().click(names::单选框_经典起名);
    main().setText(names::缺五行标签, "");
    main().setEnabled(names::按钮_按所缺五行起名, true);
    main().click(names::按钮_按所缺五行起名);
    ASSERT_EQ(m_host.messages().size(), 1u);
    EXPECT_EQ(m_host.messages()[0].text, "八字五行齐全，无需按所缺五行筛选");
    EXPECT_FALSE(main().isChecked(names::单选框_超吉起名));
    EXPECT_EQ(m_host.find(names::NestlingWaiting), nullptr) << "no run";
}

// 按喜用神起名: one main favourable element goes to the first given-name character, two to every one.
TEST_F(SuperAuspiciousPageTest, NamingFromTheFavourableElements)
{
    struct Case
    {
        const char* favourable; // as the chart analysis writes 喜用神标签
        const char* panel;
        const char* wanted; // elements a given-name character may hold (first; every)
        bool everyCharacter;
    };
    const Case cases[] = {
        {"木", "Ce E|-e D|-d D|-d D", "木", false},
        {"土金", "-d D|-d D|Ce E|-e D", "金土", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.favourable);
        main().setText(names::喜用神标签, c.favourable);
        main().setEnabled(names::按钮_按喜用神起名, true);
        main().click(names::按钮_按喜用神起名);
        EXPECT_TRUE(main().isChecked(names::单选框_超吉起名));
        EXPECT_EQ(main().currentPage(names::高级选择夹1), kPageSuperAuspicious);
        EXPECT_EQ(main().statusText(names::状态条1),
                  std::string("已按喜用神（") + c.favourable + "）设置筛选条件");
        EXPECT_EQ(panelState(main()), c.panel);
        if (c.everyCharacter) {
            const naming::ElementFilter filter = readElementFilter(main());
            EXPECT_EQ(filter.must.elements, c.wanted);
        }
        finishRun();
        ASSERT_GT(rows(), 0);
        const std::string wanted = c.wanted;
        for (int r = 0; r < rows(); ++r) {
            const std::string elements = main().cell(names::超级列表框_超吉起名, r, 4);
            for (size_t at = 3; at < (c.everyCharacter ? elements.size() : 6); at += 3)
                ASSERT_NE(wanted.find(elements.substr(at, 3)), std::string::npos)
                    << main().cell(names::超级列表框_超吉起名, r, 1);
        }
    }
}

TEST_F(SuperAuspiciousPageTest, NamingFromTheChartWantsASurnameFirst)
{
    main().setText(names::编辑框_姓氏, "");
    main().setText(names::缺五行标签, "木");
    main().setEnabled(names::按钮_按所缺五行起名, true);
    main().click(names::按钮_按所缺五行起名);
    ASSERT_EQ(m_host.messages().size(), 1u);
    EXPECT_EQ(m_host.messages()[0].text, kNamingNoSurnameMessage);
    EXPECT_FALSE(m_controller.running());
    EXPECT_EQ(main().currentPage(names::高级选择夹1), 0);
    EXPECT_EQ(panelState(main()), "Ce E|Ce E|-d D|-d D") << "the panel is left as the user set it";
}

TEST_F(SuperAuspiciousPageTest, ClassicModeWritesTheTextAndExportsIt)
{
    main().click(names::单选框_经典起名);
    main().selectItem(names::组合框_名字个数, 0); // 一字
    main().click(names::按钮_起名);
    finishRun();
    EXPECT_EQ(main().currentPage(names::高级选择夹1), kPageClassic);
    const std::string text = main().text(names::编辑框_经典名字);
    EXPECT_EQ(text.substr(0, 3), "李");
    EXPECT_EQ(text.substr(6, 3), "   ");
    EXPECT_EQ(m_host.find(names::NestlingWaiting), nullptr);
    EXPECT_TRUE(main().isToolButtonEnabled(names::工具条1, 0));

    m_controller.setSeed(4);
    main().click(names::按钮_经典生成);
    finishRun();
    EXPECT_NE(main().text(names::编辑框_经典名字), text) << "shuffled anew";
    main().click(names::按钮_经典导出);
    EXPECT_EQ(testing_support::readFile(m_dir.path() / "data" / "ClassNameList.txt"),
              text::toGbk(main().text(names::编辑框_经典名字)));
}

} // namespace
