#include "store/LoadNamingDatabase.h"

#include "store/TableLayouts.h"

namespace store {
namespace {

constexpr std::string_view kAlias = "new_db";

LoadState fail(NamingStore& store, MessageSink& sink, const std::string& text, bool close)
{
    if (close)
        store.Close();
    store.setLoadState(LoadState::Failed);
    sink.showMessage({MessageIcon::Stop, kLoadCaption, text});
    return LoadState::Failed;
}

} // namespace

std::filesystem::path defaultDatabaseFile(const std::filesystem::path& folder)
{
    return folder / "data" / "namedata.db";
}

LoadState LoadNamingDatabase(NamingStore& store, const std::filesystem::path& databaseFile, MessageSink& sink,
                             NamingStore::EngineCheck check)
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

    store.Begin();
    for (const TableLayout& table : namingTables()) {
        const std::string sql = "insert into " + std::string(table.name) + " select * from " +
                                std::string(kAlias) + "." + std::string(table.name);
        if (!store.Execute(sql, &error)) {
            store.Rollback();
            return fail(store, sink, error, true);
        }
    }
    store.Commit();
    store.Detach(kAlias);

    // Index failures cost only speed; they are not reported.
    for (const char* sql :
         {"CREATE INDEX NewIndex1 on XW_CNWord(汉字 ASC)", "CREATE INDEX NewIndex2 on XW_八一灵动数(Id ASC)",
          "CREATE INDEX NewIndex3 on XW_三才配置(三才 ASC)"})
        store.Execute(sql);
    store.setLoadState(LoadState::Ready);
    return LoadState::Ready;
}

} // namespace store
