#include "text/NameInput.h"
#include "text/Utf8.h"

#include <gtest/gtest.h>

namespace {

using text::NameProblem;

TEST(NameInput, TrimsBlanksAndRefusesWhatIsNoName)
{
    EXPECT_EQ(text::trimName(" \t李\u3000 "), "李");
    EXPECT_EQ(text::trimName("\u3000 \u3000"), "");
    EXPECT_EQ(text::trimName("明 华"), "明 华");
    const struct
    {
        std::string name;
        NameProblem problem;
    } cases[] = {
        {"李", NameProblem::None},
        {"欧阳", NameProblem::None},
        {"", NameProblem::Empty},
        {"明 ", NameProblem::Blank},
        {"明\u3000华", NameProblem::Blank},
        {"司马相", NameProblem::TooLong},
        {std::string(100000, 'a'), NameProblem::TooLong},
        {"Li", NameProblem::NotChinese},
        {"李1", NameProblem::NotChinese},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.substr(0, 20));
        EXPECT_EQ(text::checkName(c.name), c.problem);
    }
    EXPECT_EQ(text::nameProblemMessage(NameProblem::Empty, true), "请输入姓氏");
    EXPECT_EQ(text::nameProblemMessage(NameProblem::Blank, false), "名字中不能有空格");
}

TEST(Utf8, InvalidBytesBecomeTheReplacementCharacter)
{
    const std::string fffd = "\xEF\xBF\xBD";
    EXPECT_EQ(text::validUtf8("李明"), "李明");
    EXPECT_EQ(text::validUtf8("a\xFF"
                              "b"),
              "a" + fffd + "b");
    EXPECT_EQ(text::validUtf8("\xE6\x98"), fffd + fffd);            // cut off
    EXPECT_EQ(text::validUtf8("\xC0\xAF"), fffd + fffd);            // overlong
    EXPECT_EQ(text::validUtf8("\xED\xA0\x80"), fffd + fffd + fffd); // a surrogate
    EXPECT_EQ(text::validUtf8("\xF0\x9F\x98\x80"), "\xF0\x9F\x98\x80");
}

} // namespace
