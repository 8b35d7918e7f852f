#include "ReportFixture.h"

#include "reports/NameDetail.h"
#include "reports/Pages.h"
#include "reports/ReportFiles.h"
#include "reports/ReportTemplate.h"

#include <cstdlib>
#include <fstream>
#include <regex>
#include <set>

namespace {

// Every "{name}" of the three templates (style-sheet braces hold blanks or colons and are no names).
std::set<std::string> knownPlaceholders()
{
    std::set<std::string> names;
    const std::regex placeholder(R"(\{[^{}\s:;]+\})");
    for (std::string_view page :
         {reports::nameReportTemplate(), reports::characterPageTemplate(), reports::surnamePageTemplate()}) {
        const std::string text(page);
        for (auto it = std::sregex_iterator(text.begin(), text.end(), placeholder);
             it != std::sregex_iterator(); ++it)
            names.insert(it->str());
    }
    return names;
}

// The golden files are the UTF-8 form of the pages. NESTLING_UPDATE_GOLDEN=1 rewrites them after a
// deliberate change; review the difference before committing it.
void compareWithGolden(const std::filesystem::path& written, const std::string& goldenName)
{
    SCOPED_TRACE(goldenName);
    const std::string bytes = testing_support::readFile(written);
    ASSERT_FALSE(bytes.empty());
    const std::string page = text::fromGbk(bytes);
    EXPECT_EQ(text::toGbk(page), bytes) << "the page is GBK";
    EXPECT_EQ(page.find("\xEF\xBF\xBD"), std::string::npos) << "no undecodable byte";
    for (const std::string& name : knownPlaceholders())
        EXPECT_EQ(page.find(name), std::string::npos) << name << " left in the page";

    const std::filesystem::path golden = std::filesystem::path(NESTLING_GOLDEN_DIR) / goldenName;
    if (std::getenv("NESTLING_UPDATE_GOLDEN")) {
        std::ofstream(golden, std::ios::binary) << page;
        return;
    }
    EXPECT_EQ(page, testing_support::readFile(golden)) << "differs from " << golden;
}

class GoldenReportTest : public ReportFixture
{
};

TEST_F(GoldenReportTest, OneCharacterSurnameTwoCharacterGivenName)
{
    const reports::NameDetail detail = reports::writeNameDetail(m_store, m_program, "李", "明华");
    EXPECT_EQ(detail.caption, "李明华姓名详细解释");
    EXPECT_EQ(detail.characters, (std::vector<std::string>{"李", "明", "华"}));
    compareWithGolden(reports::reportFile(m_program), "li-minghua-report.html");
    compareWithGolden(reports::characterPageFile(m_program, 3), "li-minghua-page3.html");
    compareWithGolden(reports::surnamePageFile(m_program), "li-minghua-surname.html");
    EXPECT_FALSE(std::filesystem::exists(reports::characterPageFile(m_program, 4)));
}

TEST_F(GoldenReportTest, TwoCharacterSurnameOneCharacterGivenName)
{
    const reports::NameDetail detail = reports::writeNameDetail(m_store, m_program, "欧阳", "华");
    EXPECT_EQ(detail.characters, (std::vector<std::string>{"欧", "阳", "华"}));
    compareWithGolden(reports::reportFile(m_program), "ouyang-hua-report.html");
    compareWithGolden(reports::characterPageFile(m_program, 1), "ouyang-hua-page1.html");
    compareWithGolden(reports::surnamePageFile(m_program), "ouyang-hua-surname.html");
}

} // namespace
