#include "CliRun.h"
#include "support/Fixture.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

CliResult run(const std::vector<std::string>& words, const std::string& input = "")
{
    return runCliWords(words, input);
}

TEST(Cli, TablesListsTheNineTablesInOrder)
{
    testing_support::TempDir dir;
    const auto db = (dir.path() / "fixture.db").string();
    testing_support::makeNamingFixture(db);
    const CliResult r = run({"tables", "--db", db});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "XW_CNWord\t6\nXW_三才配置\t1\nXW_八一灵动数\t2\nXW_EName\t1\nXW_Poet\t1\n"
                     "XW_全唐诗\t2\nXW_育儿百科\t1\nXW_算命风水\t1\nXW_百家姓\t2\n");
}

TEST(Cli, CharPrintsTheDictionaryRow)
{
    testing_support::TempDir dir;
    const auto db = (dir.path() / "fixture.db").string();
    testing_support::makeNamingFixture(db);
    const CliResult found = run({"char", "华", "--db", db});
    EXPECT_EQ(found.status, 0);
    EXPECT_EQ(found.out, "华\t華\t6\t14\thuá\th\t十\t水\n");
    const CliResult missing = run({"char", "龘", "--db", db});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.out.empty());
    const CliResult batch = run({"char", "--batch", "--db", db}, "华\n涵\n");
    EXPECT_EQ(batch.out, "华\t華\t6\t14\thuá\th\t十\t水\n涵\t涵\t11\t12\thán\th\t氵\t水\n");
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

} // namespace
