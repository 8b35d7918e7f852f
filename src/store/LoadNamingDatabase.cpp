#include "store/LoadNamingDatabase.h"

#include "store/DatabaseCheck.h"
#include "store/TableLayouts.h"

#include <algorithm>
#include <iterator>

namespace store {
namespace {

constexpr std::string_view kAlias = "new_db";

// Tables added after the first databases were built: a file without one still loads, and the table
// stays empty (the poem page then offers the Tang poems alone).
constexpr std::string_view kLaterTables[] = {kClassicTable};

bool missingLaterTable(const NamingStore& store, std::string_view table)
{
    if (std::find(std::begin(kLaterTables), std::end(kLaterTables), table) == std::end(kLaterTables))
        return false;
    const StoreQuery query = store.loaderQuery("select count(*) from " + std::string(kAlias) +
                                                   ".sqlite_master where type='table' and name=?",
                                               {std::string(table)});
    return store.ColumnInt(query, 0) == 0;
}

LoadState fail(NamingStore& store, core::MessageSink& sink, const std::string& text, bool close)
{
    if (close)
        store.Close();
    store.setLoadState(LoadState::Failed);
    sink.showMessage({core::MessageIcon::Stop, kLoadCaption, text});
    return LoadState::Failed;
}

} // namespace

std::filesystem::path defaultDatabaseFile(const std::filesystem::path& folder)
{
    return folder / "data" / "namedata.db";
}

LoadState LoadNamingDatabase(NamingStore& store, const std::filesystem::path& databaseFile,
                             core::MessageSink& sink, NamingStore::EngineCheck check)
{
    if (!store.Open(":memory:", check))
        return fail(store, sink, kOpenFailedMessage, false);
    store.setLoadState(LoadState::Loading);

    std::string error;
    for (const TableLayout& table : namingTables())
        if (!store.CreateTable(table.name, table.columns, &error))
            return fail(store, sink, error, true);

    const std::string file = databaseFile.string();
    if (!store.Attach(file, kAlias, &error))
        return fail(store, sink, kAttachFailedMessage, true);

    {
        // A table that does not copy rolls back every table copied before it.
        Transaction copy(store);
        if (!copy.begun())
            return fail(store, sink, copy.error(), true);
        for (const TableLayout& table : namingTables()) {
            if (missingLaterTable(store, table.name))
                continue;
            // Columns are matched by name: a renamed or moved column would copy other data under its name.
            if (const auto wrong = checkFileColumns(store, kAlias, table))
                return fail(store, sink, *wrong, true);
            // Copied by position, which the names checked above make safe.
            const std::string sql = "insert into " + std::string(table.name) + " select * from " +
                                    std::string(kAlias) + "." + std::string(table.name);
            if (!store.Execute(sql, &error))
                return fail(store, sink, error, true);
        }
        // Tables that copy but cannot be the naming data (emptied, swapped columns) give false scores
        // without a word: refused like a table that does not copy.
        if (const auto implausible = checkPlausibility(store, isSampleDatabase(store, kAlias)))
            return fail(store, sink, *implausible, true);
        if (!copy.commit(&error))
            return fail(store, sink, error, true);
    }
    store.Detach(kAlias);

    // Index failures cost only speed; they are not reported.
    const auto index = [&](std::string_view name, std::string_view table, Column column) {
        store.Execute("CREATE INDEX " + std::string(name) + " on " + std::string(table) + "(" +
                      std::string(column.name) + " ASC)");
    };
    index("NewIndex1", kCharacterTable, cnword::kCharacter);
    index("NewIndex2", kNumberTable, number::kId);
    index("NewIndex3", kThreeTalentTable, talent::kKey);
    store.setLoadState(LoadState::Ready);
    return LoadState::Ready;
}

} // namespace store
