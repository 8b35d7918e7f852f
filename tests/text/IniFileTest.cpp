#include "text/IniFile.h"
#include "support/Fixture.h"
#include "text/Gbk.h"

#include <gtest/gtest.h>

namespace {

using testing_support::readFile;
using testing_support::TempDir;

TEST(IniFile, RoundTripsChineseValuesInGbkKeepingOrder)
{
    TempDir dir;
    const auto path = (dir.path() / "config.dat").string();
    text::IniFile ini;
    ini.setValue("设置", "姓氏", "欧阳");
    ini.setValue("设置", "性别", "女");
    ini.setValue("其他", "键", "值");
    ini.setValue("设置", "记录", "a|b|");
    ASSERT_TRUE(ini.save(path));

    const std::string bytes = readFile(path);
    EXPECT_NE(bytes.find(text::toGbk("[设置]\r\n姓氏=欧阳\r\n")), std::string::npos);

    text::IniFile back;
    ASSERT_TRUE(back.load(path));
    EXPECT_EQ(back.sections(), (std::vector<std::string>{"设置", "其他"}));
    EXPECT_EQ(back.keys("设置"), (std::vector<std::string>{"姓氏", "性别", "记录"}));
    EXPECT_EQ(back.value("设置", "姓氏"), "欧阳");
    EXPECT_EQ(back.value("设置", "记录"), "a|b|");
    EXPECT_FALSE(back.value("设置", "没有").has_value());
}

TEST(IniFile, AnyValueComesBackWhole)
{
    std::string longValue;
    for (int i = 0; i < 20000; ++i)
        longValue += "李明华|";
    const std::string values[] = {
        longValue,     "",         " leading and trailing ", "\"quoted\"", "two\r\nlines",
        "back\\slash", "=equals=", "; not a comment"};
    text::IniFile ini;
    for (size_t i = 0; i < std::size(values); ++i)
        ini.setValue("设置", "k" + std::to_string(i), values[i]);
    text::IniFile back;
    back.parse(ini.serialize());
    for (size_t i = 0; i < std::size(values); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(back.value("设置", "k" + std::to_string(i)), values[i]);
    }
}

TEST(IniFile, ReadsHandWrittenFilesAndReportsUnwritablePaths)
{
    text::IniFile ini;
    ini.parse(text::toGbk("; comment\n[设置]\n 姓氏 = 李 \nbroken line\n"));
    EXPECT_EQ(ini.value("设置", "姓氏"), "李");
    EXPECT_FALSE(ini.load("/nonexistent-folder/config.dat"));
    EXPECT_FALSE(ini.save("/nonexistent-folder/config.dat"));
}

} // namespace
