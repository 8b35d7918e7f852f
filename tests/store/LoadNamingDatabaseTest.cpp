#include "store/LoadNamingDatabase.h"
#include "support/Fixture.h"

#include <gtest/gtest.h>

#include <future>

#include <thread>

namespace {

using namespace store;
using testing_support::RecordingSink;
using testing_support::TempDir;

std::string lookupSurname(const NamingStore& store, const std::string& key)
{
    StoreQuery query = store.Query(selectSql(kSurnameTable, {surname::kSurname}, "where 姓=?"), {key});
    return store.ColumnText(query, surname::kSurname);
}

TEST(LoadNamingDatabase, LoadsEveryTableAndIndexes)
{
    TempDir dir;
    const auto file = dir.path() / "data" / "namedata.db";
    testing_support::makeNamingFixture(file);
    NamingStore store;
    RecordingSink sink;
    EXPECT_EQ(LoadNamingDatabase(store, file, sink), LoadState::Ready);
    EXPECT_EQ(store.loadState(), LoadState::Ready);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(lookupSurname(store, "欧阳"), "欧阳");
    StoreQuery index = store.Query("select count(*) from sqlite_master where type='index'");
    EXPECT_EQ(store.ColumnInt(index, 0), 3);
    StoreQuery attached = store.Query("select count(*) from pragma_database_list");
    EXPECT_EQ(store.ColumnInt(attached, 0), 1) << "the disk file is detached after the copy";
    EXPECT_TRUE(store.Close());
    EXPECT_EQ(store.loadState(), LoadState::Closed);
}

TEST(LoadNamingDatabase, FolderWithApostropheLoads)
{
    TempDir dir;
    const auto file = dir.path() / "Dad's \"names\"" / "data" / "namedata.db";
    testing_support::makeNamingFixture(file);
    NamingStore store;
    RecordingSink sink;
    EXPECT_EQ(LoadNamingDatabase(store, file, sink), LoadState::Ready);
    EXPECT_EQ(lookupSurname(store, "李"), "李");
}

TEST(LoadNamingDatabase, FileBuiltBeforeTheClassicsLoadsWithoutThem)
{
    TempDir dir;
    const auto file = dir.path() / "data" / "namedata.db";
    std::vector<TableLayout> tables = namingTables();
    std::erase_if(tables, [](const TableLayout& t) { return t.name == kClassicTable; });
    testing_support::makeDatabase(file, tables, {"naming-rows.sql"});
    NamingStore store;
    RecordingSink sink;
    EXPECT_EQ(LoadNamingDatabase(store, file, sink), LoadState::Ready);
    EXPECT_TRUE(sink.messages.empty());
    const StoreQuery query = store.Query("select count(*) from " + std::string(kClassicTable));
    EXPECT_EQ(store.ColumnInt(query, 0), 0);
}

// A file whose 百家姓 table has one column more than the program's layout (rows in
// extra-column-rows.sql), and one whose Poet table lacks the OrderId column.
void makeExtraColumnFile(const std::filesystem::path& file)
{
    testing_support::makeDatabase(
        file, testing_support::layoutsWithColumn(kSurnameTable, {"Extra", ColumnType::Integer, 10, 0, {}}, 1),
        {"extra-column-rows.sql"});
}

void makeMissingColumnFile(const std::filesystem::path& file)
{
    testing_support::makeDatabase(file, testing_support::layoutsWithoutColumn(kPoetTable, poet::kOrder), {});
}

void makeTextFile(const std::filesystem::path& file)
{
    std::filesystem::create_directories(file.parent_path());
    std::FILE* f = std::fopen(file.string().c_str(), "wb");
    std::fputs("this is not a database file, only text that is long enough to have a header", f);
    std::fclose(f);
}

struct FailureCase
{
    const char* name;
    void (*make)(const std::filesystem::path& file); // null: no file at all
    std::string message;                             // empty: the engine's own error text

    friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
};

class LoadFailure : public ::testing::TestWithParam<FailureCase>
{
};

TEST_P(LoadFailure, ShowsOneStopMessageAndLeavesEveryLookupEmpty)
{
    const FailureCase& c = GetParam();
    TempDir dir;
    const auto file = dir.path() / "data" / "namedata.db";
    if (c.make)
        c.make(file);
    NamingStore store;
    RecordingSink sink;
    EXPECT_EQ(LoadNamingDatabase(store, file, sink), LoadState::Failed);
    EXPECT_EQ(store.loadState(), LoadState::Failed);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].icon, core::MessageIcon::Stop);
    EXPECT_EQ(sink.messages[0].caption, "信息：");
    if (c.message.empty())
        EXPECT_FALSE(sink.messages[0].text.empty());
    else
        EXPECT_EQ(sink.messages[0].text, c.message);
    EXPECT_FALSE(store.isOpen());
    EXPECT_EQ(lookupSurname(store, "李"), "");
    EXPECT_FALSE(std::filesystem::exists(file) && !c.make) << "a missing file must not be created";
}

INSTANTIATE_TEST_SUITE_P(Table, LoadFailure,
                         ::testing::Values(FailureCase{"MissingFile", nullptr, kAttachFailedMessage},
                                           FailureCase{"NotADatabase", &makeTextFile, kAttachFailedMessage},
                                           FailureCase{"ExtraColumn", &makeExtraColumnFile, ""},
                                           FailureCase{"MissingColumn", &makeMissingColumnFile, ""}),
                         [](const ::testing::TestParamInfo<FailureCase>& param) {
                             return std::string(param.param.name);
                         });

TEST(LoadNamingDatabase, ExtraColumnRollsBackEarlierTables)
{
    TempDir dir;
    const auto file = dir.path() / "namedata.db";
    makeExtraColumnFile(file);
    NamingStore store;
    RecordingSink sink;
    LoadNamingDatabase(store, file, sink);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_NE(sink.messages[0].text.find("XW_百家姓"), std::string::npos) << sink.messages[0].text;
    EXPECT_NE(sink.messages[0].text.find("Extra"), std::string::npos) << sink.messages[0].text;
    StoreQuery query = store.Query("select 汉字 from XW_CNWord where 汉字=?", {std::string("李")});
    EXPECT_FALSE(query);
}

TEST(LoadNamingDatabase, EngineThatIsNotSerializedFailsFirstStep)
{
    TempDir dir;
    const auto file = dir.path() / "namedata.db";
    testing_support::makeNamingFixture(file);
    NamingStore store;
    RecordingSink sink;
    EXPECT_EQ(LoadNamingDatabase(store, file, sink, [] { return false; }), LoadState::Failed);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, kOpenFailedMessage);
}

TEST(LoadNamingDatabase, LookupsFromAnotherThreadDuringTheLoadNeverFail)
{
    TempDir dir;
    const auto file = dir.path() / "namedata.db";
    testing_support::makeNamingFixture(file);
    NamingStore store;
    RecordingSink sink;
    std::atomic<bool> done{false};
    std::atomic<bool> loading{false};
    std::thread reader([&] {
        while (!done.load()) {
            const bool startedInLoad = store.loadState() == LoadState::Loading;
            const std::string found = lookupSurname(store, "李");
            EXPECT_TRUE(found.empty() || found == "李");
            // A lookup made during the copy waits for it: it never sees a half-filled table.
            if (startedInLoad) {
                loading = true;
                EXPECT_EQ(found, "李");
            }
        }
    });
    EXPECT_EQ(LoadNamingDatabase(store, file, sink), LoadState::Ready);
    done = true;
    reader.join();
    EXPECT_EQ(lookupSurname(store, "李"), "李");
}

TEST(LoadNamingDatabase, ALookupDuringTheLoadWaitsForItsEnd)
{
    TempDir dir;
    const auto file = dir.path() / "namedata.db";
    testing_support::makeNamingFixture(file);
    NamingStore store;
    // What the program does before its loader thread starts.
    store.setLoadState(LoadState::Loading);
    auto lookup = std::async(std::launch::async, [&] { return lookupSurname(store, "李"); });
    EXPECT_EQ(lookup.wait_for(std::chrono::milliseconds(50)), std::future_status::timeout);
    RecordingSink sink;
    EXPECT_EQ(LoadNamingDatabase(store, file, sink), LoadState::Ready);
    EXPECT_EQ(lookup.get(), "李");
}

TEST(LoadNamingDatabase, AFailedLoadReleasesWaitingLookups)
{
    TempDir dir;
    NamingStore store;
    store.setLoadState(LoadState::Loading);
    auto lookup = std::async(std::launch::async, [&] { return lookupSurname(store, "李"); });
    RecordingSink sink;
    EXPECT_EQ(LoadNamingDatabase(store, dir.path() / "missing.db", sink), LoadState::Failed);
    EXPECT_EQ(lookup.get(), "");
}

} // namespace
