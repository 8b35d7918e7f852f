#include "reports/ReportFixture.h"

#include "app/Evaluation.h"
#include "reports/ReportFiles.h"

namespace {

using app::EvaluationOutcome;

class EvaluationTest : public ReportFixture
{
protected:
    EvaluationOutcome evaluate(const std::string& surname, const std::string& given)
    {
        return app::EvaluateName(m_store, m_program, surname, given, m_rows);
    }
    std::vector<reports::ListCells> m_rows;
};

TEST_F(EvaluationTest, RefusedInputsWriteNothingAndSayWhy)
{
    const struct
    {
        std::string surname, given;
        EvaluationOutcome outcome;
        std::string message;
    } cases[] = {
        {"", "明华", EvaluationOutcome::MissingSurname, "请输入姓氏"},
        {"", "", EvaluationOutcome::MissingSurname, "请输入姓氏"},
        {"李", "", EvaluationOutcome::MissingGivenName, "请输入名字"},
        // What is no name is refused with the main window's words, the surname's fault first.
        {"李", "明华明", EvaluationOutcome::TooLong, "名字应是一个或两个汉字，例如“明”或“明华”。"},
        {"司马相", "明", EvaluationOutcome::TooLong, "姓氏应是一个或两个汉字，例如“李”或“欧阳”。"},
        {"李", "😀", EvaluationOutcome::NotChinese, "名字应是一个或两个汉字，例如“明”或“明华”。"},
        {"李", "Mi", EvaluationOutcome::NotChinese, "名字应是一个或两个汉字，例如“明”或“明华”。"},
        {"ab", "cd", EvaluationOutcome::NotChinese, "姓氏应是一个或两个汉字，例如“李”或“欧阳”。"},
        {"李", "明 涵", EvaluationOutcome::BlankInName, "名字中不能有空格"},
        // Chinese characters the dictionary cannot score: outside it, in a plane it lacks.
        {"李", "𠀁", EvaluationOutcome::UnknownCharacter, "字典中没有“𠀁”，无法评分"},
        {"𠀀", "明", EvaluationOutcome::UnknownCharacter, "字典中没有“𠀀”，无法评分"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.surname + "/" + c.given);
        EXPECT_EQ(evaluate(c.surname, c.given), c.outcome);
        EXPECT_EQ(app::evaluationMessage(c.outcome, m_store, c.surname, c.given), c.message);
    }
    EXPECT_TRUE(m_rows.empty());
    EXPECT_FALSE(std::filesystem::exists(reports::reportFile(m_program)));
    EXPECT_EQ(std::string_view(core::kMessageTitle), "提示");
}

TEST_F(EvaluationTest, RowsComeFromTheReportAndANameIsListedOnce)
{
    EXPECT_EQ(evaluate("李", "明涵"), EvaluationOutcome::Added);
    EXPECT_TRUE(std::filesystem::exists(reports::reportFile(m_program)));
    EXPECT_EQ(evaluate("于", "明"), EvaluationOutcome::Added);
    EXPECT_EQ(evaluate("李", "明涵"), EvaluationOutcome::AlreadyListed);
    EXPECT_EQ(evaluate("李", " "), EvaluationOutcome::BlankInName) << "a blank is no name";
    EXPECT_EQ(evaluate("李", "明 涵"), EvaluationOutcome::BlankInName);
    ASSERT_EQ(m_rows.size(), 2u);
    const reports::ListCells first = {"1",      "李\r\n明涵",    "26",     "27",
                                      "木火水", "8,15,20,27,13", "金土水", "86"};
    EXPECT_EQ(m_rows[0], first);
    // 于 counts its simplified strokes here: 总格 3 + 8.
    const reports::ListCells second = {"2", "于\r\n明", "11", "11", "土火", "4,11,9,11,2", "火木水", "75"};
    EXPECT_EQ(m_rows[1], second);
}

} // namespace
