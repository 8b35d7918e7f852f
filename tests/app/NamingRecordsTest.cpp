#include "app/NamingRecords.h"
#include "reports/NameDetail.h"
#include "text/Gbk.h"
#include "text/IniFile.h"

#include <gtest/gtest.h>

namespace {

using reports::ListCells;

ListCells row(const std::string& number, const std::string& name)
{
    return {number, name, "21", "29", "木火水", "8,15,22,29,15", "金土木", "86"};
}

TEST(Records, ANameIsRecordedOncePerSurnameAndGivenName)
{
    std::vector<ListCells> records;
    const ListCells opened = row("17", "李明华");
    EXPECT_TRUE(app::AddNamingRecord(records, "李", reports::givenFromListName("李明华", "李"), opened));
    EXPECT_FALSE(app::AddNamingRecord(records, "李", "明华", opened));
    EXPECT_TRUE(
        app::AddNamingRecord(records, "欧阳", reports::givenFromListName("欧阳明华", "欧阳"), opened));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0], row("1", "李\r\n明华"));
    EXPECT_EQ(records[1], row("2", "欧阳\r\n明华"));

    const auto name = app::OpenNamingRecord(records, 1);
    ASSERT_TRUE(name);
    EXPECT_EQ(name->surname, "欧阳");
    EXPECT_EQ(name->given, "明华");
    EXPECT_FALSE(app::OpenNamingRecord(records, -1));
    EXPECT_FALSE(app::OpenNamingRecord(records, 2));
}

TEST(Records, GivenNameDropsTwoOrFourBytesOfTheSurname)
{
    EXPECT_EQ(reports::givenFromListName("李明华", "李"), "明华");
    EXPECT_EQ(reports::givenFromListName("欧阳明华", "欧阳"), "明华");
    EXPECT_EQ(reports::givenFromListName("欧阳明华", "王"), "阳明华") << "the surname box decides";
    EXPECT_EQ(reports::givenFromListName("李", "李"), "");
}

TEST(Records, DeletingRenumbersTheRest)
{
    std::vector<ListCells> records;
    for (const char* given : {"一", "二", "三", "四", "五"})
        app::AddNamingRecord(records, "李", given, row("", ""));
    EXPECT_FALSE(app::DeleteNamingRecord(records, -1));
    EXPECT_FALSE(app::DeleteNamingRecord(records, 5));
    EXPECT_TRUE(app::DeleteNamingRecord(records, 2));
    ASSERT_EQ(records.size(), 4u);
    for (size_t k = 0; k < records.size(); ++k)
        EXPECT_EQ(records[k][0], std::to_string(k + 1));
    EXPECT_EQ(records[2][1], "李\r\n四");
}

TEST(Records, StoredFormAndItsExamples)
{
    const std::vector<ListCells> one = {{"1", "王\r\n子涵", "a", "b", "c", "d", "e", "f"}};
    EXPECT_EQ(app::SaveNamingRecords(one), "王 子涵;a;b;c;d;e;f|");
    EXPECT_EQ(app::RestoreNamingRecords("王 子涵;a;b;c;d;e;f|"), one);

    const auto twoRows = app::RestoreNamingRecords("a|b|");
    ASSERT_EQ(twoRows.size(), 2u);
    EXPECT_EQ(twoRows[1], (ListCells{"2", "b", "", "", "", "", "", ""}));
    const auto threeRows = app::RestoreNamingRecords("a||b");
    ASSERT_EQ(threeRows.size(), 3u);
    EXPECT_EQ(threeRows[1], (ListCells{"2", "", "", "", "", "", "", ""}));
    EXPECT_EQ(threeRows[2][1], "b");
    EXPECT_TRUE(app::RestoreNamingRecords("").empty());
    EXPECT_EQ(app::RestoreNamingRecords("x;1;2;3;4;5;6;7;8")[0],
              (ListCells{"1", "x", "1", "2", "3", "4", "5", "6"}));
}

TEST(Records, ALongValueSurvivesTheSettingsFileWhole)
{
    std::vector<ListCells> records;
    for (int i = 0; i < 400; ++i)
        app::AddNamingRecord(records, "欧阳", "明" + std::to_string(i), row("", ""));
    const std::string value = app::SaveNamingRecords(records);
    ASSERT_GT(text::toGbk(value).size(), 10239u);

    text::IniFile written;
    written.setValue("设置", "名字记录", value);
    text::IniFile read;
    read.parse(written.serialize());
    EXPECT_EQ(app::RestoreNamingRecords(read.value("设置", "名字记录", "")), records);
}

TEST(Records, TextsHoldingTheSeparatorsComeBackAsSaved)
{
    // A blank inside a text is no line break, and ";" "|" "\\" are no separators there.
    const std::vector<ListCells> records = {
        {"1", "李\r\n明|华", "a;b", "c d", "e\\", "\\|", "", "x\\ y"},
        {"2", "欧阳\r\n子 涵", "", "", "", "", "", ""},
        {"3", "王\r\n", ";", "|", " ", "\\\\", "", "end"},
    };
    const std::string value = app::SaveNamingRecords(records);
    EXPECT_EQ(app::RestoreNamingRecords(value), records);
    // Through the settings file too.
    text::IniFile written;
    written.setValue("设置", "名字记录", value);
    text::IniFile read;
    read.parse(written.serialize());
    EXPECT_EQ(app::RestoreNamingRecords(read.value("设置", "名字记录", "")), records);
    // Values written before texts were escaped read as they always did.
    EXPECT_EQ(app::RestoreNamingRecords("王 子涵;a;b;c;d;e;f|")[0][1], "王\r\n子涵");
    EXPECT_EQ(app::RestoreNamingRecords("a\\b|")[0][1], "a\\b");
}

} // namespace
