#include "app/ArticleReader.h"
#include "app/ControlNames.h"
#include "app/testing/FakeHost.h"
#include "store/NamingStore.h"
#include "support/Fixture.h"
#include "text/Gbk.h"

#include <gtest/gtest.h>

namespace {

using namespace app;
using app::testing::FakeHost;
using app::testing::FakeWindow;

class ArticleReaderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto file = m_dir.path() / "articles.db";
        testing_support::makeDatabase(file, {"articles.sql"});
        ASSERT_TRUE(m_store.Open(file.string()));
        std::filesystem::create_directories(m_dir.path() / "data");
        m_reader.wire();
    }

    FakeWindow* reader() { return m_host.find(names::NestlingRead); }
    std::string page() const
    {
        return text::fromGbk(testing_support::readFile(m_dir.path() / "data" / "temp.html"));
    }
    std::vector<std::string> titles()
    {
        std::vector<std::string> out;
        for (int r = 0; r < reader()->rowCount(names::超级列表框_文章阅读); ++r)
            out.push_back(reader()->cell(names::超级列表框_文章阅读, r, 0));
        return out;
    }

    testing_support::TempDir m_dir;
    store::NamingStore m_store;
    FakeHost m_host;
    ArticleReader m_reader{m_host, m_store, m_dir.path()};
};

TEST_F(ArticleReaderTest, MenuItemOpensItsCategoryAndShowsTheFirstArticle)
{
    m_host.main().click("菜单_护理保健");
    ASSERT_NE(reader(), nullptr);
    EXPECT_EQ(reader()->title(), "护理保健");
    EXPECT_EQ(titles(), (std::vector<std::string>{"给宝宝洗澡", "剪指甲\"小窍门\""}));
    EXPECT_EQ(reader()->browserFile(names::网页浏览框1), (m_dir.path() / "data" / "temp.html").string());
    const std::string shown = page();
    EXPECT_NE(shown.find("<title>给宝宝洗澡</title>"), std::string::npos);
    EXPECT_NE(shown.find("<CENTER><H1>给宝宝洗澡</H1></CENTER>\r\n<p>水温适中。</p>\r\n</body>"),
              std::string::npos);
    EXPECT_NE(shown.find("charset=gb2312"), std::string::npos);

    // A title holding a double quote is looked up literally.
    reader()->selectRow(names::超级列表框_文章阅读, 1);
    EXPECT_NE(page().find("趁睡着时剪"), std::string::npos);
}

TEST_F(ArticleReaderTest, APageThatCannotBeWrittenIsSaidAndTheViewNotSentToTheOldFile)
{
    m_host.main().click("菜单_护理保健");
    ASSERT_NE(reader(), nullptr);
    const std::size_t shown = reader()->find(names::网页浏览框1)->history.size();
    std::filesystem::permissions(m_dir.path() / "data" / "temp.html", std::filesystem::perms::owner_read);
    reader()->selectRow(names::超级列表框_文章阅读, 1);
    EXPECT_EQ(reader()->find(names::网页浏览框1)->history.size(), shown);
    ASSERT_EQ(m_host.messages().size(), 1u);
    EXPECT_NE(m_host.messages()[0].text.find("无法写入报告文件"), std::string::npos);
}

TEST_F(ArticleReaderTest, TheLastOpenedTableServesLaterClicks)
{
    m_reader.OpenArticleCategory("算命风水", "起名知识");
    EXPECT_EQ(m_reader.articleTable(), "算命风水");
    EXPECT_NE(page().find("天格、人格"), std::string::npos);
    m_host.main().click("菜单_儿科疾病");
    EXPECT_EQ(m_reader.articleTable(), "育儿百科");
    // The content keeps a placeholder text of its own.
    EXPECT_NE(page().find("<p>{文章标题}留在正文里。</p>"), std::string::npos);
}

TEST_F(ArticleReaderTest, EmptyCategoryShowsNoRowsAndAnEmptyPage)
{
    m_reader.OpenArticleCategory("育儿百科", "胎教");
    ASSERT_NE(reader(), nullptr);
    EXPECT_EQ(reader()->rowCount(names::超级列表框_文章阅读), 0);
    EXPECT_NE(page().find("<CENTER><H1></H1></CENTER>"), std::string::npos);
}

TEST_F(ArticleReaderTest, ToolbarPrintsAndCloses)
{
    m_host.main().click("菜单_护理保健");
    FakeWindow* window = reader();
    window->clickTool(names::工具条1, 8);
    EXPECT_EQ(window->find(names::网页浏览框1)->printCount, 1);
    window->clickTool(names::工具条1, 10);
    EXPECT_EQ(reader(), nullptr);
}

} // namespace
