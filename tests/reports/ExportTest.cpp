#include "reports/Export.h"
#include "support/Fixture.h"
#include "text/Gbk.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

using reports::ListCells;

const std::string kHeaderGbk =
    text::toGbk("编号    姓名    简体笔划    繁体笔划    五行    五格    三才    评分\r\n");

TEST(Export, EmptyListWritesTheHeaderLineOnly)
{
    testing_support::TempDir dir;
    const reports::ExportResult result = reports::ExportNameList({}, reports::nameListFile(dir.path()));
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.file, dir.path() / "data" / "NameList.txt");
    EXPECT_EQ(testing_support::readFile(result.file), kHeaderGbk);
}

TEST(Export, RowsAreGbkLinesOfFourSpaceCellsUpToTheFirstUnnumberedRow)
{
    testing_support::TempDir dir;
    const std::vector<ListCells> rows = {
        {"1", "李明华", "21", "29", "木火水", "8,15,22,29,15", "金土木", "92"},
        {"2", "欧阳华", "20", "46", "土土水", "32,31,15,46,16", "木木土", "90"},
        {"", "", "", "", "", "", "", ""},
        {"4", "李明", "15", "15", "木火", "8,15,9,15,2", "金土水", "90"},
    };
    int calls = 0;
    const reports::ExportResult result =
        reports::ExportNameList(rows, reports::superNameListFile(dir.path()), [&] { ++calls; });
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.file.filename(), "100NameList.txt");
    EXPECT_EQ(calls, 2);
    const std::string bytes = testing_support::readFile(result.file);
    EXPECT_EQ(bytes,
              kHeaderGbk +
                  text::toGbk("1    李明华    21    29    木火水    8,15,22,29,15    金土木    92\r\n"
                              "2    欧阳华    20    46    土土水    32,31,15,46,16    木木土    90\r\n"));
    EXPECT_EQ(bytes.substr(kHeaderGbk.size() + 5, 2), "\xC0\xEE") << "李 in GBK";
}

TEST(Export, ClassicNamesAreTheTextAsItIs)
{
    testing_support::TempDir dir;
    const reports::ExportResult empty = reports::ExportClassicNames("", dir.path());
    ASSERT_TRUE(empty.ok());
    EXPECT_EQ(empty.file, dir.path() / "data" / "ClassNameList.txt");
    EXPECT_TRUE(std::filesystem::exists(empty.file));
    EXPECT_EQ(std::filesystem::file_size(empty.file), 0u);

    ASSERT_TRUE(reports::ExportClassicNames("李明华\r\n欧阳华", dir.path()).ok());
    EXPECT_EQ(testing_support::readFile(empty.file), text::toGbk("李明华\r\n欧阳华"));
}

TEST(Export, AFileThatCannotBeWrittenIsAnErrorNamingIt)
{
    testing_support::TempDir dir;
    std::filesystem::create_directories(reports::nameListFile(dir.path())); // a folder in the file's place
    const reports::ExportResult list = reports::ExportNameList({}, reports::nameListFile(dir.path()));
    EXPECT_FALSE(list.ok());
    EXPECT_NE(list.error.find("NameList.txt"), std::string::npos) << list.error;

    std::filesystem::remove_all(dir.path() / "data");
    {
        std::ofstream(dir.path() / "data") << "a file where the folder should be";
    }
    const reports::ExportResult classic = reports::ExportClassicNames("李明华", dir.path());
    EXPECT_FALSE(classic.ok());
    EXPECT_NE(classic.error.find("ClassNameList.txt"), std::string::npos) << classic.error;
}

} // namespace
