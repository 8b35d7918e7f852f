#include "ReportWindowFixture.h"

#include "app/ChartAnalysisView.h"
#include "app/Program.h"
#include "app/Settings.h"
#include "app/Shortlist.h"
#include "reports/Comparison.h"
#include "reports/ReportFiles.h"
#include "text/Gbk.h"
#include "text/IniFile.h"

#include <fstream>
#include <iterator>

namespace {

using namespace app;
using app::testing::FakeWindow;

TEST(Shortlist, ValueRoundTripKeepsEveryNameWhole)
{
    std::vector<ShortlistEntry> list;
    EXPECT_TRUE(addToShortlist(list, "李", "明华"));
    EXPECT_FALSE(addToShortlist(list, "李", "明华")) << "a name is kept once";
    EXPECT_FALSE(addToShortlist(list, "李", ""));
    EXPECT_TRUE(addToShortlist(list, "欧阳", "华"));
    EXPECT_TRUE(addToShortlist(list, "司马", "a;b|c\\d")); // separators inside a name survive
    const std::string value = saveShortlist(list);
    EXPECT_TRUE(value.starts_with("李;明华|欧阳;华|")) << value;
    EXPECT_EQ(restoreShortlist(value), list);
    // Pieces without a given name are skipped, repeats kept once, an unfinished piece dropped.
    EXPECT_EQ(restoreShortlist("李;明华||;华|李;|李;明华|王;"),
              (std::vector<ShortlistEntry>{{"李", "明华"}}));
    EXPECT_TRUE(removeFromShortlist(list, "欧阳", "华"));
    EXPECT_FALSE(removeFromShortlist(list, "欧阳", "华"));
    EXPECT_EQ(list.size(), 2u);
}

class ShortlistTest : public ReportWindowFixture
{
protected:
    void SetUp() override
    {
        ReportWindowFixture::SetUp();
        m_app.shell.hooks().startDatabaseLoad = [] {};
        ASSERT_TRUE(m_app.shell.startUp());
        main().setText(names::编辑框_姓氏, "李");
    }

    std::string storedValue(const char* key = keys::名字收藏)
    {
        text::IniFile ini;
        EXPECT_TRUE(ini.load(m_app.shell.settingsFile().string()));
        return ini.value(kSettingsSection, key, "");
    }

    ShellPaths m_paths{m_program, m_dir.path() / "config", m_dir.path() / "lock"};
    Program m_app{m_host, m_store, m_paths};
};

// The pop-up menu of the name lists and the detail window's star add names; the page shows them side by
// side; every change reaches config.dat at once; 删除 and 导出 work on the page.
TEST_F(ShortlistTest, MenuAndStarAddNamesThePageComparesThem)
{
    main().setRows(names::超级列表框_高分起名, {nameRow("1", "李明华"), nameRow("2", "李华")});
    main().rightClickRow(names::超级列表框_高分起名, 1);
    EXPECT_EQ(main().lastPopUp(), names::名字列表菜单);
    main().click(names::菜单_加入收藏);
    main().setRows(names::超级列表框_评分列表, {nameRow("1", "欧阳\r\n华")});
    main().rightClickRow(names::超级列表框_评分列表, 0);
    main().click(names::菜单_加入收藏);
    main().rightClickRow(names::超级列表框_评分列表, 0);
    main().click(names::菜单_加入收藏); // once only
    EXPECT_EQ(m_app.shortlist.entries(), (std::vector<ShortlistEntry>{{"李", "华"}, {"欧阳", "华"}}));
    EXPECT_EQ(storedValue(), "李;华|欧阳;华|");

    main().doubleClickRow(names::超级列表框_高分起名, 0);
    FakeWindow* detail = m_host.find(names::NestlingConten);
    ASSERT_NE(detail, nullptr);
    EXPECT_EQ(detail->text(names::按钮_加入收藏), "☆ 加入收藏");
    detail->click(names::按钮_加入收藏);
    EXPECT_EQ(detail->text(names::按钮_加入收藏), "★ 已收藏");
    EXPECT_EQ(storedValue(), "李;华|欧阳;华|李;明华|");
    detail->click(names::按钮_加入收藏);
    EXPECT_EQ(detail->text(names::按钮_加入收藏), "☆ 加入收藏");
    EXPECT_EQ(m_app.shortlist.entries().size(), 2u);
    detail->click(names::按钮_加入收藏);

    main().choosePage(names::高级选择夹1, kPageShortlist);
    ASSERT_EQ(main().rowCount(names::超级列表框_收藏列表), 3);
    EXPECT_EQ(main().columnHeaders(names::超级列表框_收藏列表), reports::comparisonHeaders());
    // 合喜用 by the naming date's chart (2013-1-1 0 at start: a weak 丁 day master wants 木火; 明 is 火).
    const std::string favourable = namingDateFavourable(main());
    EXPECT_EQ(favourable, "木火");
    EXPECT_EQ(main().row(names::超级列表框_收藏列表, 2).cells,
              reports::comparisonRow(m_store, m_app.naming.checker(), 3, "李", "明华", favourable));
    EXPECT_EQ(main().cell(names::超级列表框_收藏列表, 2, 11), "明");
    EXPECT_EQ(main().cell(names::超级列表框_收藏列表, 1, 1), "欧阳华");

    main().selectRow(names::超级列表框_收藏列表, 1);
    main().click(names::按钮_收藏删除);
    EXPECT_EQ(storedValue(), "李;华|李;明华|");
    EXPECT_EQ(main().statusText(names::状态条1), "已将 欧阳华 移出名字收藏（共 2 个）");
    ASSERT_EQ(main().rowCount(names::超级列表框_收藏列表), 2);
    EXPECT_EQ(main().row(names::超级列表框_收藏列表, 1).tip, main().cell(names::超级列表框_收藏列表, 1, 13))
        << "the hints whole in the row's tip";
    EXPECT_EQ(main().cell(names::超级列表框_收藏列表, 1, 0), "2");

    main().click(names::按钮_收藏导出);
    const auto file = reports::dataFolder(m_paths.programFolder) / kShortlistFileName;
    ASSERT_EQ(m_host.desktopOpened().back(), file.string());
    std::ifstream in(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(text::fromGbk(bytes),
              reports::comparisonText(
                  {reports::comparisonRow(m_store, m_app.naming.checker(), 1, "李", "华", favourable),
                   reports::comparisonRow(m_store, m_app.naming.checker(), 2, "李", "明华", favourable)}));
}

// The shortlist survives a restart through config.dat whole, with Chinese names and a value far over
// 12 000 bytes, and a change reaches the file at once.
TEST_F(ShortlistTest, SurvivesARestartWholeThroughTheSettings)
{
    std::vector<ShortlistEntry> many;
    for (int i = 0; i < 1500; ++i)
        many.push_back({i % 2 ? "欧阳" : "李", "明华" + std::to_string(i)});
    m_app.shortlist.restoreValue(saveShortlist(many));
    ASSERT_TRUE(m_app.shortlist.addToShortlist("李", "浩然"));
    const std::string value = storedValue();
    EXPECT_GT(value.size(), 12000u);
    EXPECT_EQ(value, saveShortlist(many) + "李;浩然|");
    m_app.shell.ExitApplication();

    app::testing::FakeHost host;
    Program again(host, m_store, {m_paths.programFolder, m_paths.settingsFolder, m_dir.path() / "lock2"});
    again.shell.hooks().startDatabaseLoad = [] {};
    ASSERT_TRUE(again.shell.startUp());
    ASSERT_EQ(again.shortlist.entries().size(), 1501u);
    EXPECT_EQ(again.shortlist.entries()[1499], (ShortlistEntry{"欧阳", "明华1499"}));
    EXPECT_EQ(again.shortlist.saveValue(), value);
}

// The program's own wiring saves the settings when a record is made or removed, as it does for the
// shortlist: a crash after it loses none.
TEST_F(ShortlistTest, ARecordReachesTheFileThroughTheProgramsWiring)
{
    ASSERT_TRUE(m_app.records.AddNamingRecord("李", "明华", nameRow("1", "李明华")));
    EXPECT_NE(storedValue(keys::名字记录).find("李 明华;"), std::string::npos) << storedValue(keys::名字记录);
    main().selectRow(names::超级列表框_记录列表, 0);
    main().click(names::菜单_删除记录);
    EXPECT_EQ(storedValue(keys::名字记录), "");
}

} // namespace
