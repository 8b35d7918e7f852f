#include "ReportFixture.h"

#include "reports/Pages.h"
#include "reports/ReportFiles.h"

namespace {

class PagesTest : public ReportFixture
{
};

TEST_F(PagesTest, CharacterWithoutRowGivesEmptyFieldsWithoutZeros)
{
    const std::string page = reports::characterPageHtml(m_store, "无");
    EXPECT_NE(page.find("<title>无</title>"), std::string::npos);
    EXPECT_NE(page.find("简体笔划：</td>"), std::string::npos);
    EXPECT_NE(page.find("繁体笔划：</td>"), std::string::npos);
    EXPECT_NE(page.find("<span class=\"font_14\"></span>"), std::string::npos);
}

TEST_F(PagesTest, QueryLooksUpTheWholeTextAndCaptionsTheWindow)
{
    EXPECT_EQ(reports::QueryCharacter(m_store, m_program, "明"), " 汉字[ 明 ]的详细解释");
    EXPECT_NE(readPage(reports::reportFile(m_program)).find("繁体笔划：8"), std::string::npos);

    // Two characters are one key: no row, an empty page titled with the text.
    EXPECT_EQ(reports::QueryCharacter(m_store, m_program, "明华"), " 汉字[ 明华 ]的详细解释");
    const std::string page = readPage(reports::reportFile(m_program));
    EXPECT_NE(page.find("<title>明华</title>"), std::string::npos);
    EXPECT_NE(page.find("简体笔划：</td>"), std::string::npos);
}

TEST_F(PagesTest, TypedTextIsEscapedInThePages)
{
    EXPECT_EQ(reports::QueryCharacter(m_store, m_program, "<b>"), " 汉字[ <b> ]的详细解释");
    const std::string page = readPage(reports::reportFile(m_program));
    EXPECT_NE(page.find("<title>&lt;b&gt;</title>"), std::string::npos);
    EXPECT_EQ(page.find("<b>"), page.find("<b>基本解释</b>")) << "only the template's own bold";

    ASSERT_TRUE(reports::WriteSurnamePage(m_store, m_program, "李&"));
    EXPECT_NE(readPage(reports::surnamePageFile(m_program)).find("<title>百家姓_李&amp;</title>"),
              std::string::npos);
}

TEST_F(PagesTest, FailedWriteIsReportedToTheCaller)
{
    std::filesystem::create_directories(reports::characterPageFile(m_program, 2));
    EXPECT_FALSE(reports::WriteCharacterPage(m_store, m_program, "明", 2));
    EXPECT_TRUE(reports::WriteCharacterPage(m_store, m_program, "明", 1));
}

} // namespace
