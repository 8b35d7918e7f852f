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
    ASSERT_EQ(tables.size(), 11u);
    EXPECT_EQ(createTableSql(tables[0].name, tables[0].columns),
              "create table XW_CNWord (Id Integer(10),code Integer(10),汉字 VarChar(2),简体 VarChar(2),"
              "繁体 VarChar(2),简体笔画数 Integer(10),繁体笔画数 Integer(10),拼音1 VarChar(20),"
              "拼音2 VarChar(20),声母 VarChar(1),韵母 VarChar(3),部首 VarChar(1),五行属性 VarChar(2),"
              "五笔 VarChar(4),基本解释 VarChar(700),详细解释 VarChar(700))");
    EXPECT_EQ(createTableSql(tables[8].name, tables[8].columns),
              "create table XW_百家姓 (Id Integer(10),姓 VarChar(8),姓氏起源 VarChar(1000),"
              "聚集地 VarChar(1000),历史名人 VarChar(1000))");

    const size_t counts[] = {16, 21, 10, 10, 4, 6, 5, 5, 5, 6, 8};
    for (size_t i = 0; i < tables.size(); ++i)
        EXPECT_EQ(tables[i].columns.size(), counts[i]) << tables[i].name;

    EXPECT_EQ(createTableSql("T", {}), "create table T");
    EXPECT_EQ(
        createTableSql("T", {{"a", ColumnType::Integer, 0, kPrimaryKey | kAutoIncrement | kNotNull, "0"},
                             {"b", ColumnType::Text, 0, kNotNull, ""}}),
        "create table T (a Integer Primary Key AutoIncrement Not Null Default 0,b Text  Not Null)");
}

// Every column of a character's row.
const std::string kCharacterRow = selectSql(kCharacterTable, cnword::kColumns, "where 汉字=?");

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
    StoreQuery query = m_store.Query(kCharacterRow, {std::string("涵")});
    ASSERT_TRUE(query);
    EXPECT_EQ(m_store.ColumnText(query, cnword::kCharacter), "涵");
    EXPECT_EQ(m_store.ColumnInt(query, cnword::kTraditionalStrokes), 12);
    EXPECT_EQ(m_store.ColumnText(query, cnword::kBasic), "涵：包容。");
    EXPECT_FALSE(m_store.Step(query));
}

TEST_F(FixtureStore, ColumnsAreReadByNameWhateverTheirPlaceInTheSelection)
{
    StoreQuery query = m_store.Query(selectSql(kCharacterTable, {cnword::kBasic, cnword::kTraditionalStrokes},
                                               "where " + cnword::kCharacter.equalsParameter()),
                                     {std::string("涵")});
    EXPECT_EQ(m_store.ColumnText(query, cnword::kBasic), "涵：包容。");
    EXPECT_EQ(m_store.ColumnInt(query, cnword::kTraditionalStrokes), 12);
    // A column the statement did not select reads as empty, like a missing row.
    EXPECT_EQ(m_store.ColumnText(query, cnword::kCharacter), "");
    EXPECT_EQ(m_store.ColumnInt(query, cnword::kSimplifiedStrokes), 0);
    EXPECT_EQ(m_store.ColumnText(query, 2), "");
}

TEST_F(FixtureStore, MissingKeyGivesRowlessHandle)
{
    StoreQuery query = m_store.Query(kCharacterRow, {std::string("无")});
    ASSERT_TRUE(query);
    for (const Column column : cnword::kColumns) {
        EXPECT_EQ(m_store.ColumnText(query, column), "");
        EXPECT_EQ(m_store.ColumnInt(query, column), 0);
    }
    EXPECT_FALSE(m_store.Step(query));
}

TEST_F(FixtureStore, QuotesInKeysAreLookedUpLiterally)
{
    for (const std::string key : {"a\"b", "it's"}) {
        SCOPED_TRACE(key);
        StoreQuery query = m_store.Query(kCharacterRow, {key});
        ASSERT_TRUE(query);
        EXPECT_EQ(m_store.ColumnText(query, cnword::kCharacter), key);
    }
    StoreQuery none = m_store.Query(kCharacterRow, {std::string("\"")});
    ASSERT_TRUE(none);
    EXPECT_EQ(m_store.ColumnText(none, cnword::kCharacter), "");
}

TEST_F(FixtureStore, NumericKeysAndRowListing)
{
    StoreQuery number =
        m_store.Query(selectSql(kNumberTable, {number::kFortune}, "where Id=?"), {std::int64_t{2}});
    EXPECT_EQ(m_store.ColumnText(number, number::kFortune), "凶");

    std::vector<std::string> titles;
    StoreQuery poems = m_store.Query(selectSql(kPoemTable, {poem::kTitle}, "where 作者=? order by Id"),
                                     {std::string("李白")});
    do {
        titles.push_back(m_store.ColumnText(poems, poem::kTitle));
    } while (m_store.Step(poems));
    EXPECT_EQ(titles, (std::vector<std::string>{"静夜思", "月下独酌"}));
}

TEST_F(FixtureStore, ReusedStatementsStartAfreshAndStayApart)
{
    const std::string& sql = kCharacterRow;
    const Column character = cnword::kCharacter;
    // Two queries of one text at once are two statements; a finished one is reused from its first row
    // with its new value, leaving nothing of the old position or binding.
    StoreQuery a = m_store.Query(sql, {std::string("涵")});
    StoreQuery b = m_store.Query(sql, {std::string("李")});
    EXPECT_EQ(m_store.ColumnText(a, character), "涵");
    EXPECT_EQ(m_store.ColumnText(b, character), "李");
    EXPECT_FALSE(m_store.Step(a));
    a = StoreQuery(); // gives the statement back
    for (const char* key : {"涵", "无", "李"}) {
        StoreQuery again = m_store.Query(sql, {std::string(key)});
        EXPECT_EQ(m_store.hasRow(again), std::string(key) != "无") << key;
        EXPECT_EQ(m_store.ColumnText(again, character), std::string(key) == "无" ? "" : key);
    }
    EXPECT_EQ(m_store.ColumnText(b, character), "李");

    // Statements given back after the close are finalized, and a reopened store prepares anew.
    EXPECT_TRUE(m_store.Close());
    b = StoreQuery();
    ASSERT_TRUE(m_store.Open((m_dir.path() / "fixture.db").string()));
    StoreQuery reopened = m_store.Query(sql, {std::string("涵")});
    EXPECT_EQ(m_store.ColumnText(reopened, character), "涵");
}

TEST_F(FixtureStore, BadStatementsAndClosedStoreReadAsEmpty)
{
    const StoreQuery bad = m_store.Query("select Id from no_such_table");
    EXPECT_FALSE(bad);
    EXPECT_EQ(bad.error(), "no such table: no_such_table") << "a statement that does not prepare says why";
    EXPECT_EQ(m_store.Query(kCharacterRow, {std::string("涵")}).error(), "");
    std::string error;
    EXPECT_FALSE(m_store.Execute("nonsense", &error));
    EXPECT_FALSE(error.empty());

    const std::string everyCharacter = selectSql(kCharacterTable, cnword::kColumns);
    StoreQuery open = m_store.Query(everyCharacter);
    EXPECT_TRUE(m_store.Close());
    EXPECT_EQ(m_store.ColumnText(open, cnword::kCharacter), "");
    EXPECT_FALSE(m_store.Step(open));
    EXPECT_FALSE(m_store.Query(everyCharacter));
    StoreQuery null;
    EXPECT_EQ(m_store.ColumnInt(null, cnword::kId), 0);
    EXPECT_FALSE(m_store.Step(null));
}

TEST_F(FixtureStore, TransactionsCommitOrRollBackWhenTheyEnd)
{
    const auto surnames = [&] {
        return m_store.ColumnInt(m_store.Query("select count(*) from " + std::string(kSurnameTable)), 0);
    };
    const int before = surnames();
    const std::string insert = "insert into " + std::string(kSurnameTable) + " (姓) values ('测')";
    {
        Transaction abandoned(m_store);
        ASSERT_TRUE(abandoned.begun());
        ASSERT_TRUE(m_store.Execute(insert));
        EXPECT_EQ(surnames(), before + 1);
    }
    EXPECT_EQ(surnames(), before) << "a transaction that is not committed rolls back";
    {
        Transaction kept(m_store);
        ASSERT_TRUE(kept.begun());
        ASSERT_TRUE(m_store.Execute(insert));
        std::string error;
        EXPECT_TRUE(kept.commit(&error)) << error;
        EXPECT_FALSE(kept.commit(&error)) << "committed once";
        EXPECT_EQ(error, "no transaction was begun");
    }
    EXPECT_EQ(surnames(), before + 1);

    {
        Transaction outer(m_store);
        Transaction nested(m_store);
        EXPECT_FALSE(nested.begun());
        EXPECT_NE(nested.error().find("within a transaction"), std::string::npos) << nested.error();
    }
    m_store.Close();
    Transaction closed(m_store);
    EXPECT_FALSE(closed.begun());
    EXPECT_FALSE(closed.error().empty());
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
