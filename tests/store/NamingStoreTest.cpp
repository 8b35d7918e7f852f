#include "store/NamingStore.h"
#include "store/ColumnDescriptor.h"
#include "store/TableLayouts.h"
#include "support/Fixture.h"

#include <gtest/gtest.h>

namespace {

using namespace store;

TEST(CreateTableSql, NamingTablesAndAttributeWords)
{
    const auto& tables = namingTables();
    ASSERT_EQ(tables.size(), 9u);
    EXPECT_EQ(createTableSql(tables[0].name, tables[0].columns),
              "create table XW_CNWord (Id Integer(10),code Integer(10),汉字 VarChar(2),简体 VarChar(2),"
              "繁体 VarChar(2),简体笔画数 Integer(10),繁体笔画数 Integer(10),拼音1 VarChar(20),"
              "拼音2 VarChar(20),声母 VarChar(1),韵母 VarChar(3),部首 VarChar(1),五行属性 VarChar(2),"
              "五笔 VarChar(4),基本解释 VarChar(700),详细解释 VarChar(700))");
    EXPECT_EQ(createTableSql(tables[8].name, tables[8].columns),
              "create table XW_百家姓 (Id Integer(10),姓 VarChar(8),姓氏起源 VarChar(1000),"
              "聚集地 VarChar(1000),历史名人 VarChar(1000))");

    const size_t counts[] = {16, 21, 10, 10, 4, 6, 5, 5, 5};
    for (size_t i = 0; i < tables.size(); ++i)
        EXPECT_EQ(tables[i].columns.size(), counts[i]) << tables[i].name;

    EXPECT_EQ(createTableSql("T", {}), "create table T");
    EXPECT_EQ(
        createTableSql("T", {{"a", ColumnType::Integer, 0, kPrimaryKey | kAutoIncrement | kNotNull, "0"},
                             {"b", ColumnType::Text, 0, kNotNull, ""}}),
        "create table T (a Integer Primary Key AutoIncrement Not Null Default 0,b Text  Not Null)");
}

class FixtureStore : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testing_support::makeNamingFixture(m_dir.path() / "fixture.db");
        ASSERT_TRUE(m_store.Open((m_dir.path() / "fixture.db").string()));
    }
    testing_support::TempDir m_dir;
    NamingStore m_store;
};

TEST_F(FixtureStore, ChineseKeysAndTextsPassIntact)
{
    StoreQuery query = m_store.Query("select * from XW_CNWord where 汉字=?", {std::string("涵")});
    ASSERT_TRUE(query);
    EXPECT_EQ(m_store.ColumnText(query, 2), "涵");
    EXPECT_EQ(m_store.ColumnInt(query, 6), 12);
    EXPECT_EQ(m_store.ColumnText(query, 14), "涵：包容。");
    EXPECT_FALSE(m_store.Step(query));
    m_store.Finalize(query);
    EXPECT_FALSE(query);
}

TEST_F(FixtureStore, MissingKeyGivesRowlessHandle)
{
    StoreQuery query = m_store.Query("select * from XW_CNWord where 汉字=?", {std::string("无")});
    ASSERT_TRUE(query);
    for (int column = 0; column < 16; ++column) {
        EXPECT_EQ(m_store.ColumnText(query, column), "");
        EXPECT_EQ(m_store.ColumnInt(query, column), 0);
    }
    EXPECT_FALSE(m_store.Step(query));
}

TEST_F(FixtureStore, QuotesInKeysAreLookedUpLiterally)
{
    for (const std::string key : {"a\"b", "it's"}) {
        SCOPED_TRACE(key);
        StoreQuery query = m_store.Query("select * from XW_CNWord where 汉字=?", {key});
        ASSERT_TRUE(query);
        EXPECT_EQ(m_store.ColumnText(query, 2), key);
    }
    StoreQuery none = m_store.Query("select * from XW_CNWord where 汉字=?", {std::string("\"")});
    ASSERT_TRUE(none);
    EXPECT_EQ(m_store.ColumnText(none, 2), "");
}

TEST_F(FixtureStore, NumericKeysAndRowListing)
{
    StoreQuery number = m_store.Query("select * from XW_八一灵动数 where Id=?", {std::int64_t{2}});
    EXPECT_EQ(m_store.ColumnText(number, 1), "凶");

    std::vector<std::string> titles;
    StoreQuery poems =
        m_store.Query("select * from XW_全唐诗 where 作者=? order by Id", {std::string("李白")});
    do {
        titles.push_back(m_store.ColumnText(poems, 1));
    } while (m_store.Step(poems));
    EXPECT_EQ(titles, (std::vector<std::string>{"静夜思", "月下独酌"}));
}

TEST_F(FixtureStore, ReusedStatementsStartAfreshAndStayApart)
{
    const char* sql = "select * from XW_CNWord where 汉字=?";
    // Two queries of one text at once are two statements; a finished one is reused from its first row
    // with its new value, leaving nothing of the old position or binding.
    StoreQuery a = m_store.Query(sql, {std::string("涵")});
    StoreQuery b = m_store.Query(sql, {std::string("李")});
    EXPECT_EQ(m_store.ColumnText(a, 2), "涵");
    EXPECT_EQ(m_store.ColumnText(b, 2), "李");
    EXPECT_FALSE(m_store.Step(a));
    m_store.Finalize(a);
    for (const char* key : {"涵", "无", "李"}) {
        StoreQuery again = m_store.Query(sql, {std::string(key)});
        EXPECT_EQ(m_store.HasRow(again), std::string(key) != "无") << key;
        EXPECT_EQ(m_store.ColumnText(again, 2), std::string(key) == "无" ? "" : key);
    }
    EXPECT_EQ(m_store.ColumnText(b, 2), "李");

    // Statements given back after the close are finalized, and a reopened store prepares anew.
    EXPECT_TRUE(m_store.Close());
    m_store.Finalize(b);
    ASSERT_TRUE(m_store.Open((m_dir.path() / "fixture.db").string()));
    StoreQuery reopened = m_store.Query(sql, {std::string("涵")});
    EXPECT_EQ(m_store.ColumnText(reopened, 2), "涵");
}

TEST_F(FixtureStore, BadStatementsAndClosedStoreReadAsEmpty)
{
    EXPECT_FALSE(m_store.Query("select * from no_such_table"));
    std::string error;
    EXPECT_FALSE(m_store.Execute("nonsense", &error));
    EXPECT_FALSE(error.empty());

    StoreQuery open = m_store.Query("select * from XW_CNWord");
    EXPECT_TRUE(m_store.Close());
    EXPECT_EQ(m_store.ColumnText(open, 2), "");
    EXPECT_FALSE(m_store.Step(open));
    EXPECT_FALSE(m_store.Query("select * from XW_CNWord"));
    StoreQuery null;
    EXPECT_EQ(m_store.ColumnInt(null, 0), 0);
    EXPECT_FALSE(m_store.Step(null));
    m_store.Finalize(null);
}

TEST(NamingStore, OpenRefusesMissingFilesAndUnserializedEngines)
{
    NamingStore store;
    EXPECT_FALSE(store.Open("/nonexistent-folder/none.db"));
    EXPECT_FALSE(store.Open(":memory:", [] { return false; }));
    EXPECT_TRUE(NamingStore::engineIsSerialized());
    EXPECT_TRUE(store.Open(":memory:"));
    EXPECT_FALSE(store.Open(":memory:")) << "a second open while open";
}

} // namespace
