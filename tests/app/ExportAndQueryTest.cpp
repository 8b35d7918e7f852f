#include "ReportWindowFixture.h"

#include "app/CharacterQuery.h"
#include "app/ExportButtons.h"
#include "app/Shell.h"
#include "reports/Export.h"
#include "reports/ReportFiles.h"

#include <cstdlib>
#include <fstream>

namespace {

using namespace app;
using app::testing::FakeWindow;

constexpr const char* kHeader = "编号    姓名    简体笔划    繁体笔划    五行    五格    三才    评分\r\n";

class ExportButtonsTest : public ReportWindowFixture
{
protected:
    void SetUp() override
    {
        ReportWindowFixture::SetUp();
        m_exports.wire();
    }

    ExportButtons m_exports{m_host, m_program};
};

TEST_F(ExportButtonsTest, ListsAreWrittenAsGbkAndOpenedWithTheDesktop)
{
    const struct
    {
        names::Name list;
        names::Name button;
        std::filesystem::path file;
    } cases[] = {
        {names::超级列表框_高分起名, names::按钮_高分导出, m_program / "data" / "NameList.txt"},
        {names::超级列表框_超吉起名, names::按钮_超吉导出, m_program / "data" / "100NameList.txt"},
        {names::超级列表框_组合列表, names::按钮_组合导出, m_program / "data" / "ComboNameList.txt"},
        {names::超级列表框_小名列表, names::按钮_小名导出, m_program / "data" / "NickNameList.txt"},
        {names::超级列表框_诗名列表, names::按钮_诗名导出, m_program / "data" / "PoemNameList.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.list));
        m_host.clearMessages();
        main().setRows(c.list, {});
        main().click(c.button);
        EXPECT_FALSE(std::filesystem::exists(c.file)) << "an empty list writes nothing";
        ASSERT_EQ(m_host.messages().size(), 1u);
        EXPECT_EQ(m_host.messages()[0].text, "列表为空，没有导出");
        m_host.clearMessages();

        main().setRows(c.list, {nameRow("1", "李明华"), nameRow("2", "李曜")});
        main().click(c.button);
        EXPECT_EQ(readPage(c.file),
                  std::string(kHeader) +
                      "1    李明华    21    29    木火水    8,15,22,29,15    金土木    86\r\n"
                      "2    李曜    21    29    木火水    8,15,22,29,15    金土木    86\r\n");
        ASSERT_FALSE(m_host.desktopOpened().empty());
        EXPECT_EQ(m_host.desktopOpened().back(), c.file.string());
        EXPECT_EQ(main().statusText(names::状态条1), "列表已导出到：" + c.file.string());
        // Emptied again: the last export stays as it was.
        const std::string written = testing_support::readFile(c.file);
        main().setRows(c.list, {});
        main().click(c.button);
        EXPECT_EQ(testing_support::readFile(c.file), written);
        EXPECT_EQ(m_host.messages().size(), 1u);
        m_host.clearMessages();
    }
    main().setText(names::编辑框_经典名字, "  \r\n");
    main().click(names::按钮_经典导出);
    ASSERT_EQ(m_host.messages().size(), 1u);
    EXPECT_EQ(m_host.messages()[0].text, "列表为空，没有导出");
    m_host.clearMessages();
    main().setText(names::编辑框_经典名字, "李明华\r\n李曜\r\n");
    main().click(names::按钮_经典导出);
    const auto classic = m_program / "data" / "ClassNameList.txt";
    EXPECT_EQ(testing_support::readFile(classic), text::toGbk("李明华\r\n李曜\r\n"));
    EXPECT_EQ(m_host.desktopOpened().back(), classic.string());
    EXPECT_TRUE(m_host.messages().empty());
}

TEST_F(ExportButtonsTest, ADesktopWithoutAnOpenerIsSaid)
{
    m_host.setDesktopOpenResult(false);
    main().setRows(names::超级列表框_高分起名, {nameRow("1", "李明华")});
    main().click(names::按钮_高分导出);
    const auto file = m_program / "data" / "NameList.txt";
    EXPECT_TRUE(std::filesystem::exists(file));
    ASSERT_EQ(m_host.messages().size(), 1u);
    EXPECT_EQ(m_host.messages()[0].text.rfind("列表已导出到：\r\n" + file.string(), 0), 0u);
}

TEST_F(ExportButtonsTest, AnInstalledProgramExportsIntoTheUsersDataFolder)
{
    // The program folder of an installed tree is never written into; the list goes to
    // $XDG_DATA_HOME/nestling, and the status bar and the desktop get that file.
    const std::filesystem::path installed = m_dir.path() / "usr" / "share" / "nestling";
    std::filesystem::create_directories(installed / "data");
    const std::filesystem::path user = m_dir.path() / "home-data";
    const char* old = std::getenv("XDG_DATA_HOME");
    const std::string kept = old ? old : "";
    ::setenv("XDG_DATA_HOME", user.c_str(), 1);

    ExportButtons exports(m_host, installed);
    main().setRows(names::超级列表框_高分起名, {nameRow("1", "李明华")});
    exports.exportHighScoreList();
    const auto file = user / "nestling" / "NameList.txt";
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_FALSE(std::filesystem::exists(installed / "data" / "NameList.txt"));
    EXPECT_EQ(main().statusText(names::状态条1), "列表已导出到：" + file.string());
    ASSERT_FALSE(m_host.desktopOpened().empty());
    EXPECT_EQ(m_host.desktopOpened().back(), file.string());

    if (old)
        ::setenv("XDG_DATA_HOME", kept.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
}

TEST_F(ExportButtonsTest, AFileThatCannotBeWrittenIsNamedAndNotOpened)
{
    // A plain file where the data folder should be: nothing can be written under it.
    std::ofstream(m_program / "data") << "not a folder";
    main().setRows(names::超级列表框_高分起名, {nameRow("1", "李明华")});
    main().setRows(names::超级列表框_超吉起名, {nameRow("1", "李明华")});
    main().setText(names::编辑框_经典名字, "李明华  ");
    const struct
    {
        names::Name button;
        const char* fileName;
    } cases[] = {{names::按钮_高分导出, "NameList.txt"},
                 {names::按钮_超吉导出, "100NameList.txt"},
                 {names::按钮_经典导出, "ClassNameList.txt"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fileName);
        m_host.clearMessages();
        main().click(c.button);
        ASSERT_EQ(m_host.messages().size(), 1u);
        EXPECT_EQ(m_host.messages()[0].caption, "提示");
        EXPECT_NE(m_host.messages()[0].text.find(c.fileName), std::string::npos);
    }
    EXPECT_TRUE(m_host.desktopOpened().empty());
}

class CharacterQueryTest : public ReportWindowFixture
{
protected:
    void SetUp() override
    {
        ReportWindowFixture::SetUp();
        m_shell.hooks().startDatabaseLoad = [] {};
        m_query.wire(m_shell.hooks());
        ASSERT_TRUE(m_shell.startUp());
    }

    Shell m_shell{m_host, m_store, {m_program, m_dir.path() / "config", m_dir.path() / "lock"}};
    CharacterQuery m_query{m_host, m_store, m_program};
};

TEST_F(CharacterQueryTest, TheShellsQueryWindowLooksUpTheTypedTextAndShowsItsPage)
{
    main().clickTool(names::工具条1, kToolDictionary);
    FakeWindow* word = m_host.find(names::NestlingWord);
    ASSERT_NE(word, nullptr);
    EXPECT_EQ(m_host.openedWindows().back().mode, WindowMode::Modal);

    word->setText(names::编辑框1, "明");
    word->click(names::按钮_查询);
    FakeWindow* result = m_host.find(names::NestlingConten);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(m_host.openedWindows().back().mode, WindowMode::Modeless);
    EXPECT_EQ(m_host.openedWindows().back().owner, names::NestlingWord);
    EXPECT_EQ(result->title(), " 汉字[ 明 ]的详细解释");
    EXPECT_FALSE(result->exists(names::高级选择夹1)) << "the one-page form";
    EXPECT_EQ(result->browserFile(names::网页浏览框1), reports::reportFile(m_program).string());
    EXPECT_NE(readPage(reports::reportFile(m_program)).find("亮，光明。"), std::string::npos);

    result->clickTool(names::工具条1, kToolPrint);
    EXPECT_EQ(result->find(names::网页浏览框1)->printCount, 1);
    result->clickTool(names::工具条1, kToolExit);
    EXPECT_TRUE(result->isClosed());
    EXPECT_TRUE(word->unknownControls().empty());
    EXPECT_TRUE(result->unknownControls().empty());
}

TEST_F(CharacterQueryTest, EveryQueryWindowGetsItsButtonAndAnEmptyTextStillOpensAPage)
{
    main().click(names::菜单_新华字典);
    m_host.find(names::NestlingWord)->closeByUser();
    main().click(names::菜单_新华字典);
    FakeWindow* word = m_host.find(names::NestlingWord);
    ASSERT_NE(word, nullptr);
    word->click(names::按钮_查询);
    FakeWindow* result = m_host.find(names::NestlingConten);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->title(), " 汉字[  ]的详细解释");
    EXPECT_TRUE(std::filesystem::exists(reports::reportFile(m_program)));
}

TEST_F(CharacterQueryTest, ATextWithoutADictionaryRowIsSaidNotShownAsAnEmptyPage)
{
    main().click(names::菜单_新华字典);
    FakeWindow* word = m_host.find(names::NestlingWord);
    ASSERT_NE(word, nullptr);
    for (const char* missing : {"丂", "丂丄", "a\"b"}) {
        SCOPED_TRACE(missing);
        m_host.clearMessages();
        word->setText(names::编辑框1, missing);
        word->click(names::按钮_查询);
        ASSERT_EQ(m_host.messages().size(), 1u);
        EXPECT_EQ(m_host.messages()[0].text, std::string("字典中没有“") + missing + "”");
        EXPECT_EQ(m_host.find(names::NestlingConten), nullptr);
    }
}

TEST_F(CharacterQueryTest, SeveralCharactersShowEachOneAndNameThoseWithoutARow)
{
    main().click(names::菜单_新华字典);
    FakeWindow* word = m_host.find(names::NestlingWord);
    ASSERT_NE(word, nullptr);
    word->setText(names::编辑框1, "明丂华");
    word->click(names::按钮_查询);
    EXPECT_TRUE(m_host.messages().empty());
    FakeWindow* result = m_host.find(names::NestlingConten);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->title(), " 汉字[ 明丂华 ]的详细解释");
    const std::string page = readPage(reports::reportFile(m_program));
    EXPECT_NE(page.find("字典中没有“丂”"), std::string::npos);
    const std::size_t ming = page.find(">明</td>");
    const std::size_t hua = page.find(">华</td>");
    ASSERT_NE(ming, std::string::npos);
    ASSERT_NE(hua, std::string::npos);
    EXPECT_LT(ming, hua) << "in the order typed";
    EXPECT_EQ(page.find("<body>", page.find("<body>") + 1), std::string::npos) << "one page";
    EXPECT_NE(page.find("五行：火"), std::string::npos) << "the element of 明";
}

TEST_F(CharacterQueryTest, APageThatCannotBeWrittenIsSaidAndNoStalePageIsShown)
{
    main().click(names::菜单_新华字典);
    FakeWindow* word = m_host.find(names::NestlingWord);
    ASSERT_NE(word, nullptr);
    word->setText(names::编辑框1, "明");
    word->click(names::按钮_查询);
    ASSERT_NE(m_host.find(names::NestlingConten), nullptr);
    const std::size_t opened = m_host.openedWindows().size();
    // The page of 明 stays and cannot be replaced: querying 华 must not show it under 华's title.
    std::filesystem::permissions(reports::reportFile(m_program), std::filesystem::perms::owner_read);
    m_host.clearMessages();
    word->setText(names::编辑框1, "华");
    word->click(names::按钮_查询);
    EXPECT_EQ(m_host.openedWindows().size(), opened) << "no window over the stale page";
    ASSERT_EQ(m_host.messages().size(), 1u);
    EXPECT_EQ(m_host.messages()[0].caption, "提示");
    EXPECT_NE(m_host.messages()[0].text.find("无法写入报告文件"), std::string::npos);
    EXPECT_NE(readPage(reports::reportFile(m_program)).find("亮，光明。"), std::string::npos);
}

} // namespace
