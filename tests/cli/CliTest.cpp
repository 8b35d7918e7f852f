#include "CliRun.h"
#include "support/Fixture.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

CliResult run(const std::vector<std::string>& words, const std::string& input = "")
{
    return runCliWords(words, input);
}

TEST(Cli, TablesListsTheTablesInOrder)
{
    testing_support::TempDir dir;
    const auto db = (dir.path() / "fixture.db").string();
    testing_support::makeNamingFixture(db);
    const CliResult r = run({"tables", "--db", db});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "XW_CNWord\t6\nXW_三才配置\t1\nXW_八一灵动数\t2\nXW_EName\t1\nXW_Poet\t1\n"
              "XW_全唐诗\t2\nXW_育儿百科\t1\nXW_算命风水\t1\nXW_百家姓\t2\nXW_名字品鉴\t0\nXW_经典\t0\n");
}

TEST(Cli, CharPrintsTheDictionaryRow)
{
    testing_support::TempDir dir;
    const auto db = (dir.path() / "fixture.db").string();
    testing_support::makeNamingFixture(db);
    const CliResult found = run({"char", "华", "--db", db});
    EXPECT_EQ(found.status, 0);
    EXPECT_EQ(found.out, "华\t華\t6\t14\thuá\th\t十\t水\t华：美丽有光彩。\n");
    const CliResult missing = run({"char", "龘", "--db", db});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.out.empty());
    const CliResult batch = run({"char", "--batch", "--db", db}, "华\n涵\n");
    EXPECT_EQ(
        batch.out,
        "华\t華\t6\t14\thuá\th\t十\t水\t华：美丽有光彩。\n涵\t涵\t11\t12\thán\th\t氵\t水\t涵：包容。\n");
}

TEST(Cli, LoadFailureAndBadRequestsExitNonZeroWithAMessage)
{
    const CliResult missing = run({"tables", "--db", "/nonexistent-folder/namedata.db"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "将磁盘数据库附加到内存数据库失败！\n");
    EXPECT_TRUE(missing.out.empty());

    EXPECT_NE(run({"no-such-verb"}).status, 0);
    EXPECT_NE(run({"tables", "--db"}).status, 0) << "an option without its value";
    EXPECT_NE(run({"tables", "--batch"}).status, 0) << "tables answers no single request";
}

// A stream whose every write fails, as stdout does on a full disk (> /dev/full).
class FullDevice : public std::streambuf
{
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(Cli, AResultThatCannotBeWrittenIsAFailure)
{
    FullDevice device;
    std::ostream out(&device);
    std::istringstream in;
    std::ostringstream err;
    EXPECT_EQ(cli::runCli({"lunar", "2013-1-1"}, "no-such-program-folder", in, out, err), 1);
    EXPECT_EQ(err.str(), "无法写出结果（标准输出写入失败）\n");
}

TEST(Cli, DatesOutsideTheTablesAreSaid)
{
    for (const std::vector<std::string>& words : {std::vector<std::string>{"lunar", "1800-1-1"},
                                                  {"lunar", "2049-1-1"},
                                                  {"pillars", "2060-1-1", "1"},
                                                  {"pillars", "1901-2-18", "12"}}) {
        SCOPED_TRACE(words[1]);
        const CliResult r = run(words);
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.out.empty());
        EXPECT_NE(r.err.find("超出历表范围"), std::string::npos) << r.err;
    }
    const CliResult batch = run({"lunar", "--batch"}, "2060-5-5\n2013-1-1\n");
    EXPECT_EQ(batch.out.substr(0, 6), "ERROR ");
}

} // namespace
