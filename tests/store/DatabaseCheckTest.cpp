// A database that still copies but cannot be the naming data is refused at load with a message naming
// the table, instead of giving other names and false scores without a word.
#include "store/DatabaseCheck.h"
#include "store/LoadNamingDatabase.h"
#include "support/Fixture.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

namespace {

using namespace store;
using testing_support::RecordingSink;
using testing_support::TempDir;

void exec(sqlite3* db, const std::string& sql)
{
    char* message = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message), SQLITE_OK)
        << (message ? message : "") << ": " << sql;
    sqlite3_free(message);
}

// `count` rows numbered from 1 into the columns given (their values SQL over the row number i).
std::string rows(std::string_view table, int count, const std::string& columns, const std::string& values)
{
    return "with recursive n(i) as (select 1 union all select i + 1 from n where i < " +
           std::to_string(count) + ") insert into " + std::string(table) + " (" + columns + ") select " +
           values + " from n;";
}

// A database with as many rows as a full one needs (not marked as a sample), the known characters
// with their counts; then `damage` is run on it.
void makeFullDatabase(const std::filesystem::path& file, const std::string& damage)
{
    testing_support::makeDatabase(file, {});
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.string().c_str(), &db), SQLITE_OK);
    exec(db, "PRAGMA application_id = 0");
    exec(db, rows(kCharacterTable, 3000, "Id, 汉字, 简体笔画数, 繁体笔画数, 五行属性",
                  "i, 'c' || i, 1 + i % 30, 1 + i % 30 + i % 3, '木'"));
    exec(db, "insert into XW_CNWord (Id, 汉字, 简体笔画数, 繁体笔画数) values (3001, '王', 4, 4), (3002, "
             "'明', 8, 8),"
             " (3003, '李', 7, 7), (3004, '华', 6, 14), (3005, '张', 7, 11);");
    exec(db,
         "with e(x) as (values ('金'), ('木'), ('水'), ('火'), ('土')) insert into XW_三才配置 (三才, 吉凶)"
         " select a.x || b.x || c.x, '吉' from e a, e b, e c;");
    exec(db, rows(kNumberTable, 81, "Id, 吉凶", "i, '吉'"));
    exec(db, rows(kEnglishNameTable, 1000, "Id, Name", "i, 'N' || i"));
    exec(db, rows(kPoetTable, 100, "Id, Poet, OrderId", "i, 'p' || i, i"));
    exec(db, rows(kPoemTable, 1000, "Id, 作者", "i, 'p1'"));
    exec(db, rows(kParentingTable, 1, "ID", "i"));
    exec(db, rows(kFortuneTable, 1, "ID", "i"));
    exec(db, rows(kSurnameTable, 100, "Id, 姓", "i, 's' || i"));
    exec(db, damage);
    sqlite3_close(db);
}

LoadState load(const std::filesystem::path& file, RecordingSink& sink)
{
    NamingStore store;
    const LoadState state = LoadNamingDatabase(store, file, sink);
    EXPECT_EQ(state == LoadState::Ready, store.isOpen());
    return state;
}

TEST(DatabaseCheck, AFullDatabaseLoadsAndEachDamageIsRefusedNamingItsTable)
{
    const struct
    {
        const char* what;
        std::string damage;
        const char* table; // null: loads
        const char* says;
    } cases[] = {
        {"undamaged", "", nullptr, ""},
        {"a renamed column", "alter table XW_CNWord rename column 简体笔画数 to 简体笔划数", "XW_CNWord",
         "“简体笔画数”"},
        {"stroke columns swapped in the layout",
         "alter table XW_CNWord rename column 简体笔画数 to x; alter table XW_CNWord rename column "
         "繁体笔画数 to "
         "简体笔画数; alter table XW_CNWord rename column x to 繁体笔画数",
         "XW_CNWord", "“简体笔画数”"},
        {"stroke values swapped", "update XW_CNWord set 简体笔画数 = 繁体笔画数, 繁体笔画数 = 简体笔画数",
         "XW_CNWord", "“华”"},
        {"an emptied dictionary", "delete from XW_CNWord", "XW_CNWord", "0 行"},
        {"a stroke count out of range", "update XW_CNWord set 繁体笔画数 = 300 where Id = 7", "XW_CNWord",
         "0 到 64"},
        {"a known character missing", "delete from XW_CNWord where 汉字 = '王'", "XW_CNWord", "“王”"},
        {"an emptied 81-number table", "delete from XW_八一灵动数", "XW_八一灵动数", "1 到 81"},
        {"one of the 81 numbers missing", "update XW_八一灵动数 set Id = 1 where Id = 40", "XW_八一灵动数",
         "1 到 81"},
        {"a number beyond 81", "insert into XW_八一灵动数 (Id) values (82)", "XW_八一灵动数", "1 到 81"},
        {"an emptied three-talent table", "delete from XW_三才配置", "XW_三才配置", "0 行"},
        {"no poems", "delete from XW_全唐诗", "XW_全唐诗", "0 行"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const auto file = dir.path() / "namedata.db";
        makeFullDatabase(file, c.damage);
        RecordingSink sink;
        const LoadState state = load(file, sink);
        if (!c.table) {
            EXPECT_EQ(state, LoadState::Ready);
            EXPECT_TRUE(sink.messages.empty());
            continue;
        }
        EXPECT_EQ(state, LoadState::Failed);
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_EQ(sink.messages[0].icon, core::MessageIcon::Stop);
        const std::string& text = sink.messages[0].text;
        EXPECT_NE(text.find("表 " + std::string(c.table) + "："), std::string::npos) << text;
        EXPECT_NE(text.find(c.says), std::string::npos) << text;
    }
}

// A sample database (the tests' fixtures) is held to the rows it has: any count of rows, but its
// numbers within 1 to 81 and the known characters it holds with their counts.
TEST(DatabaseCheck, ASampleIsCheckedByTheRowsItHolds)
{
    const struct
    {
        const char* what;
        std::string change;
        const char* table; // null: loads
    } cases[] = {
        {"as made", "", nullptr},
        {"a number beyond 81", "insert into XW_八一灵动数 (Id) values (0)", "XW_八一灵动数"},
        {"a number twice", "insert into XW_八一灵动数 (Id) values (1)", "XW_八一灵动数"},
        {"strokes swapped", "update XW_CNWord set 简体笔画数 = 繁体笔画数, 繁体笔画数 = 简体笔画数",
         "XW_CNWord"},
        {"a column renamed", "alter table XW_Poet rename column OrderId to 顺序", "XW_Poet"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const auto file = dir.path() / "namedata.db";
        testing_support::makeNamingFixture(file);
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(file.string().c_str(), &db), SQLITE_OK);
        exec(db, c.change);
        sqlite3_close(db);
        RecordingSink sink;
        EXPECT_EQ(load(file, sink), c.table ? LoadState::Failed : LoadState::Ready);
        if (c.table) {
            ASSERT_EQ(sink.messages.size(), 1u);
            EXPECT_NE(sink.messages[0].text.find(c.table), std::string::npos) << sink.messages[0].text;
        }
    }
}

} // namespace
