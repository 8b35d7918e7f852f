#include "ReportWindowFixture.h"

#include "app/DetailController.h"
#include "app/EvaluationPage.h"
#include "app/NamingController.h"
#include "app/RecordsPage.h"
#include "app/Shell.h"
#include "reports/ReportFiles.h"

#include <array>

namespace {

using namespace app;
using app::testing::FakeWindow;

class DetailControllerTest : public ReportWindowFixture
{
protected:
    void SetUp() override
    {
        ReportWindowFixture::SetUp();
        m_records.wire();
        m_details.wire();
        m_evaluation.wire();
        main().setText(names::编辑框_姓氏, "李");
    }

    // The detail windows opened so far.
    int detailWindows() const
    {
        int count = 0;
        for (const auto& opened : m_host.openedWindows())
            count += opened.name == names::NestlingConten;
        return count;
    }
    int records() { return main().rowCount(names::超级列表框_记录列表); }
    // Double-clicks a one-row list holding the name cell under the surname; the detail window it opens.
    FakeWindow* openFromList(names::Name list, const std::string& surname, const std::string& nameCell)
    {
        main().setText(names::编辑框_姓氏, surname);
        main().setRows(list, {nameRow("1", nameCell)});
        main().doubleClickRow(list, 0);
        return m_host.find(names::NestlingConten);
    }

    RecordsPage m_records{m_host};
    DetailController m_details{m_host, m_store, m_program, m_records};
    EvaluationPage m_evaluation{m_host, m_store, m_program};
};

TEST_F(DetailControllerTest, EveryNameListOpensTheDetailAndOnlyGeneratedListsRecordIt)
{
    const struct
    {
        names::Name list;
        const char* nameCell;
        bool recorded;
    } lists[] = {
        {names::超级列表框_高分起名, "李明华", true},      {names::超级列表框_超吉起名, "李明华", true},
        {names::超级列表框_组合列表, "李明华", true},      {names::超级列表框_小名列表, "李明华", true},
        {names::超级列表框_诗名列表, "李明华", true},      {names::超级列表框_评分列表, "李\r\n明华", false},
        {names::超级列表框_记录列表, "李\r\n明华", false},
    };
    for (const auto& c : lists) {
        SCOPED_TRACE(std::string(c.list));
        main().clearRows(names::超级列表框_记录列表);
        main().setRows(c.list, {nameRow("1", "x"), nameRow("2", c.nameCell)});
        const int before = detailWindows();
        const int recordsBefore = records();

        main().doubleClickRow(c.list, 1);
        ASSERT_EQ(detailWindows(), before + 1);
        const auto& opened = m_host.openedWindows().back();
        EXPECT_EQ(opened.mode, WindowMode::Modeless);
        EXPECT_EQ(opened.owner, names::NestlingMain);
        FakeWindow* detail = m_host.find(names::NestlingConten);
        ASSERT_NE(detail, nullptr);
        EXPECT_EQ(detail->title(), "李明华姓名详细解释");
        EXPECT_EQ(records(), recordsBefore + (c.recorded ? 1 : 0));
        if (c.recorded) {
            EXPECT_EQ(main().row(names::超级列表框_记录列表, recordsBefore),
                      nameRow(std::to_string(recordsBefore + 1), "李\r\n明华"));
            main().doubleClickRow(c.list, 1);
            EXPECT_EQ(records(), recordsBefore + 1) << "the same name is recorded once";
            EXPECT_EQ(detailWindows(), before + 2) << "every double-click opens a window";
        }
        EXPECT_TRUE(detail->unknownControls().empty());
        detail->closeByUser();
    }
    EXPECT_TRUE(main().unknownControls().empty());
}

TEST_F(DetailControllerTest, PagesShowTheCharactersAndLoadTheirFilesWhenChosen)
{
    FakeWindow* detail = openFromList(names::超级列表框_高分起名, "欧阳", "欧阳明华");
    ASSERT_NE(detail, nullptr);
    EXPECT_EQ(detail->title(), "欧阳明华姓名详细解释");
    EXPECT_EQ(main().cell(names::超级列表框_记录列表, 0, 1), "欧阳\r\n明华");

    const std::array<const char*, 6> captions = {"姓名详细解释", "欧", "阳", "明", "华", "姓氏起源"};
    for (int page = 0; page < 6; ++page) {
        EXPECT_TRUE(detail->isPageVisible(names::高级选择夹1, page)) << page;
        EXPECT_EQ(detail->pageCaption(names::高级选择夹1, page), captions[static_cast<size_t>(page)]);
    }
    EXPECT_EQ(detail->currentPage(names::高级选择夹1), 0);
    EXPECT_EQ(detail->browserFile(names::网页浏览框1), reports::reportFile(m_program).string());
    EXPECT_EQ(detail->browserFile(names::网页浏览框2), "") << "a page loads its file only when chosen";

    const std::array<names::Name, 6> browsers = {names::网页浏览框1, names::网页浏览框2, names::网页浏览框3,
                                                 names::网页浏览框4, names::网页浏览框5, names::网页浏览框6};
    for (int page = 1; page <= 5; ++page) {
        detail->choosePage(names::高级选择夹1, page);
        const std::string file = detail->browserFile(browsers[static_cast<size_t>(page)]);
        EXPECT_EQ(file, (m_program / "data" / ("temp" + std::to_string(page) + ".html")).string());
        EXPECT_NE(readPage(file).find(captions[static_cast<size_t>(page)]), std::string::npos) << page;
    }
    EXPECT_NE(readPage(reports::surnamePageFile(m_program)).find("出自姒姓"), std::string::npos)
        << "the two-character surname is one key";

    // 打印 prints the page shown; 退出 closes the window.
    detail->choosePage(names::高级选择夹1, 3);
    detail->clickTool(names::工具条1, kToolPrint);
    EXPECT_EQ(detail->find(names::网页浏览框4)->printCount, 1);
    EXPECT_EQ(detail->find(names::网页浏览框1)->printCount, 0);
    detail->clickTool(names::工具条1, kToolExit);
    EXPECT_TRUE(detail->isClosed());
    EXPECT_TRUE(std::filesystem::exists(reports::reportFile(m_program))) << "the files stay";
}

TEST_F(DetailControllerTest, ToolbarStepsThroughTheShownPagesHistoryAndExportsIt)
{
    FakeWindow* detail = openFromList(names::超级列表框_高分起名, "李", "李明华");
    ASSERT_NE(detail, nullptr);
    const std::string report = reports::reportFile(m_program).string();
    const std::string linked = (m_program / "data" / "temp5.html").string();

    // A link followed in the report's view, then 后退, 前进 and 首页.
    detail->navigate(names::网页浏览框1, linked);
    const std::pair<int, std::string> steps[] = {{kToolBack, report},
                                                 {kToolBack, report},
                                                 {kToolForward, linked},
                                                 {kToolForward, linked},
                                                 {kToolHome, report}};
    for (const auto& [tool, shown] : steps) {
        detail->clickTool(names::工具条1, tool);
        EXPECT_EQ(detail->browserFile(names::网页浏览框1), shown) << tool;
    }

    // 导出: cancelled, then saved to the chosen file byte for byte, and said.
    detail->clickTool(names::工具条1, kToolExport);
    EXPECT_TRUE(m_host.messages().empty()) << "a cancelled dialog says nothing";
    ASSERT_EQ(m_host.suggestedSaveNames().size(), 1u);
    EXPECT_EQ(m_host.suggestedSaveNames()[0], "李明华姓名详细解释.html");
    const std::filesystem::path target = m_dir.path() / "导出的页面.html";
    m_host.setNextSaveFile(target.string());
    detail->clickTool(names::工具条1, kToolExport);
    EXPECT_EQ(testing_support::readFile(target), testing_support::readFile(report));
    ASSERT_EQ(m_host.messages().size(), 1u);
    EXPECT_EQ(m_host.messages()[0].text, "页面已导出到：\r\n" + target.string());

    // A folder that cannot be written is named.
    m_host.clearMessages();
    m_host.setNextSaveFile((m_dir.path() / "no-such-folder" / "x.html").string());
    detail->clickTool(names::工具条1, kToolExport);
    ASSERT_EQ(m_host.messages().size(), 1u);
    EXPECT_EQ(m_host.messages()[0].icon, core::MessageIcon::Warning);
}

TEST_F(DetailControllerTest, AOneCharacterNameShowsOnlyItsPagesAndTheSurnameBoxDecidesTheName)
{
    main().setRows(names::超级列表框_小名列表, {nameRow("1", "李明")});
    main().doubleClickRow(names::超级列表框_小名列表, 0);
    FakeWindow* detail = m_host.find(names::NestlingConten);
    ASSERT_NE(detail, nullptr);
    EXPECT_TRUE(detail->isPageVisible(names::高级选择夹1, 2));
    EXPECT_FALSE(detail->isPageVisible(names::高级选择夹1, 3));
    EXPECT_FALSE(detail->isPageVisible(names::高级选择夹1, 4));
    EXPECT_TRUE(detail->isPageVisible(names::高级选择夹1, 5));

    // The same row under another surname is another name.
    main().setText(names::编辑框_姓氏, "欧阳");
    main().doubleClickRow(names::超级列表框_小名列表, 0);
    ASSERT_EQ(records(), 2);
    EXPECT_EQ(main().cell(names::超级列表框_记录列表, 1, 1), "欧阳\r\n");
}

TEST_F(DetailControllerTest, ARepeatedCharacterHasOnePage)
{
    FakeWindow* detail = openFromList(names::超级列表框_小名列表, "李", "李明明");
    ASSERT_NE(detail, nullptr);
    EXPECT_EQ(detail->pageCaption(names::高级选择夹1, 1), "李");
    EXPECT_EQ(detail->pageCaption(names::高级选择夹1, 2), "明");
    EXPECT_FALSE(detail->isPageVisible(names::高级选择夹1, 3));
    EXPECT_TRUE(detail->isPageVisible(names::高级选择夹1, 5));
}

TEST_F(DetailControllerTest, RowsWithoutANameOpenNothing)
{
    main().setRows(names::超级列表框_高分起名, {nameRow("1", "")});
    main().setRows(names::超级列表框_评分列表, {nameRow("1", "李明华")});
    main().doubleClickRow(names::超级列表框_高分起名, 0);
    main().doubleClickRow(names::超级列表框_评分列表, 0); // no line break: not a row of ours
    main().setRows(names::超级列表框_记录列表, {nameRow("1", "李\r\n明")});
    main().setCurrentRow(names::超级列表框_记录列表, -1);
    m_details.OpenNameDetail(names::超级列表框_记录列表);
    EXPECT_TRUE(m_host.openedWindows().empty());
    EXPECT_EQ(records(), 1);
}

TEST_F(DetailControllerTest, RecordsMenuDeletesTheSelectedRecordAndRenumbers)
{
    for (const char* given : {"一", "二", "三", "四", "五"})
        m_records.AddNamingRecord("李", given, nameRow("9", "李"));
    main().rightClickRow(names::超级列表框_记录列表, 2);
    EXPECT_EQ(main().lastPopUp(), names::记录列表菜单);
    main().click(names::菜单_删除记录);
    ASSERT_EQ(records(), 4);
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(main().cell(names::超级列表框_记录列表, r, 0), std::to_string(r + 1));
    EXPECT_EQ(main().cell(names::超级列表框_记录列表, 2, 1), "李\r\n四");

    main().setCurrentRow(names::超级列表框_记录列表, -1);
    main().click(names::菜单_删除记录);
    EXPECT_EQ(records(), 4) << "nothing selected, nothing deleted";
    EXPECT_TRUE(m_host.messages().empty());
}

TEST_F(DetailControllerTest, EvaluationListsANameOnceAndItsRowOpensWithoutARecord)
{
    const struct
    {
        const char* surname;
        const char* given;
        const char* message;
    } refused[] = {{"", "明华", "请输入姓氏"}, {"李", "", "请输入名字"}};
    for (const auto& c : refused) {
        main().setText(names::编辑框_评分姓氏, c.surname);
        main().setText(names::编辑框_评分名字, c.given);
        main().click(names::按钮_评分);
        ASSERT_FALSE(m_host.messages().empty());
        EXPECT_EQ(m_host.messages().back().caption, "提示");
        EXPECT_EQ(m_host.messages().back().text, c.message);
    }
    EXPECT_FALSE(std::filesystem::exists(reports::reportFile(m_program)));
    m_host.clearMessages();

    main().setText(names::编辑框_评分姓氏, "李");
    main().setText(names::编辑框_评分名字, "明华");
    main().click(names::按钮_评分);
    main().click(names::按钮_评分);
    ASSERT_EQ(main().rowCount(names::超级列表框_评分列表), 1);
    const ListRow row = main().row(names::超级列表框_评分列表, 0);
    EXPECT_EQ(row.cells[0], "1");
    EXPECT_EQ(row.cells[1], "李\r\n明华");
    EXPECT_EQ(row.image, 0);
    EXPECT_TRUE(m_host.messages().empty());

    main().doubleClickRow(names::超级列表框_评分列表, 0);
    ASSERT_NE(m_host.find(names::NestlingConten), nullptr);
    EXPECT_EQ(m_host.find(names::NestlingConten)->title(), "李明华姓名详细解释");
    EXPECT_EQ(records(), 0);
}

// A name the check warns of is marked in the list as in the naming lists, with the reason as tip.
TEST_F(DetailControllerTest, EvaluationMarksAWarnedName)
{
    ASSERT_TRUE(
        m_store.Execute("insert into XW_名字品鉴 values (1, '谐音', '明华', 'ming2 hua2', 1000, '测试'),"
                        " (2, '字级', '明', 'míng', 1, ''), (3, '字级', '华', 'huá', 1, ''),"
                        " (4, '字级', '于', 'yú', 1, '')"));
    for (const char* given : {"明华", "于"}) {
        main().setText(names::编辑框_评分姓氏, "李");
        main().setText(names::编辑框_评分名字, given);
        main().click(names::按钮_评分);
    }
    ASSERT_EQ(main().rowCount(names::超级列表框_评分列表), 2);
    const ListRow warned = main().row(names::超级列表框_评分列表, 0);
    EXPECT_EQ(warned.image, app::kMarkedRowImage);
    EXPECT_EQ(warned.tip, "字面即“明华”（测试）");
    EXPECT_EQ(main().row(names::超级列表框_评分列表, 1).image, 0);
}

TEST_F(DetailControllerTest, RecordsSurviveARestartWholeThroughTheSettings)
{
    // Longer than the 10 239 bytes a profile-string read would return.
    std::vector<ListRow> rows;
    for (int i = 0; i < 300; ++i)
        rows.push_back(nameRow(std::to_string(i + 1), "欧阳\r\n明华" + std::to_string(i)));
    const ShellPaths paths{m_dir.path() / "p", m_dir.path() / "config", m_dir.path() / "lock"};
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        app::testing::FakeHost host;
        RecordsPage records(host);
        Shell shell(host, m_store, paths);
        shell.hooks().startDatabaseLoad = [] {};
        records.hook(shell.hooks());
        ASSERT_TRUE(shell.startUp());
        if (run == 0) {
            EXPECT_EQ(host.main().rowCount(names::超级列表框_记录列表), 0);
            host.main().setRows(names::超级列表框_记录列表, rows);
        } else {
            ASSERT_EQ(host.main().rowCount(names::超级列表框_记录列表), 300);
            EXPECT_EQ(host.main().row(names::超级列表框_记录列表, 0), rows[0]);
            EXPECT_EQ(host.main().row(names::超级列表框_记录列表, 299), rows[299]);
        }
        shell.ExitApplication();
        EXPECT_GT(std::filesystem::file_size(shell.settingsFile()), 10239u);
    }
}

TEST_F(DetailControllerTest, AReportThatCannotBeWrittenIsSaidAndNoStalePageIsShown)
{
    main().setRows(names::超级列表框_高分起名, {nameRow("1", "李明华")});
    main().doubleClickRow(names::超级列表框_高分起名, 0);
    ASSERT_EQ(detailWindows(), 1);
    // The report of 李明华 stays and cannot be replaced: opening 李明 must not show it under 李明's title.
    std::filesystem::permissions(reports::reportFile(m_program), std::filesystem::perms::owner_read);
    m_host.clearMessages();
    main().setRows(names::超级列表框_高分起名, {nameRow("1", "李明")});
    main().doubleClickRow(names::超级列表框_高分起名, 0);
    EXPECT_EQ(detailWindows(), 1) << "no window over the stale page";
    ASSERT_EQ(m_host.messages().size(), 1u);
    EXPECT_EQ(m_host.messages()[0].caption, "提示");
    EXPECT_NE(m_host.messages()[0].text.find("无法写入报告文件"), std::string::npos);
}

TEST(ClassicNameAt, TheRunOfCharactersAtTheClickSplitAfterTheSurname)
{
    const std::string text = "李明华  李建国\r\n\r\n李华   ";
    const struct
    {
        std::size_t offset;
        std::string surname;
        const char* given; // null: none
    } cases[] = {
        {0, "李", "明华"},
        {4, "李", "明华"},
        {9, "李", "明华"} /* just after the name */,
        {10, "李", nullptr} /* the gap */,
        {11, "李", "建国"},
        {24, "李", "华"},
        {text.size(), "李", nullptr},
        {0, "王", nullptr} /* another surname now */,
        {0, "", nullptr},
        {text.size() + 1, "李", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.offset);
        const auto name = classicNameAt(text, c.offset, c.surname);
        if (!c.given) {
            EXPECT_FALSE(name.has_value());
            continue;
        }
        ASSERT_TRUE(name.has_value());
        EXPECT_EQ(name->surname, c.surname);
        EXPECT_EQ(name->given, c.given);
    }
}

TEST_F(DetailControllerTest, DoubleClickInTheClassicNamesOpensAndRecordsTheName)
{
    main().setText(names::编辑框_经典名字, "李明华  李明涵  ");
    main().fire(names::编辑框_经典名字, EventKind::DoubleClicked, 12); // inside 李明涵
    FakeWindow* detail = m_host.find(names::NestlingConten);
    ASSERT_NE(detail, nullptr);
    EXPECT_EQ(detail->title(), "李明涵姓名详细解释");
    ASSERT_EQ(records(), 1);
    const ListRow record = main().row(names::超级列表框_记录列表, 0);
    EXPECT_EQ(record.cells[1], "李\r\n明涵");
    EXPECT_EQ(record.cells[7], "86") << "the score of its report";

    main().fire(names::编辑框_经典名字, EventKind::DoubleClicked, 10); // the gap
    EXPECT_EQ(detailWindows(), 1);
}

TEST_F(DetailControllerTest, EvaluationTrimsBlanksAndRefusesABlankInside)
{
    main().setText(names::编辑框_评分姓氏, " 李 ");
    main().setText(names::编辑框_评分名字, "\u3000明华 ");
    main().click(names::按钮_评分);
    ASSERT_EQ(main().rowCount(names::超级列表框_评分列表), 1);
    EXPECT_EQ(main().row(names::超级列表框_评分列表, 0).cells[1], "李\r\n明华");
    main().setText(names::编辑框_评分名字, "明 华");
    main().click(names::按钮_评分);
    EXPECT_EQ(main().rowCount(names::超级列表框_评分列表), 1);
    ASSERT_FALSE(m_host.messages().empty());
    EXPECT_EQ(m_host.messages().back().text, "名字中不能有空格");
}

} // namespace
