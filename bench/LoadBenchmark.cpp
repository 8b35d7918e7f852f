// Times the start-up load on a database of realistic size: about 60 000 poems of typical length,
// 7 000 characters and 8 000 English names.
#include "store/LoadNamingDatabase.h"
#include "store/TableLayouts.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <sqlite3.h>

namespace {

class NullSink : public core::MessageSink
{
public:
    void showMessage(const core::Message&) override {}
};

std::filesystem::path buildDatabase()
{
    auto file = std::filesystem::temp_directory_path() / "nestling-bench-load.db";
    std::filesystem::remove(file);
    sqlite3* db = nullptr;
    sqlite3_open(file.string().c_str(), &db);
    for (const store::TableLayout& table : store::namingTables())
        sqlite3_exec(db, store::createTableSql(table.name, table.columns).c_str(), nullptr, nullptr, nullptr);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    const std::string poem = "床前明月光，疑是地上霜。举头望明月，低头思故乡。"
                             "春眠不觉晓，处处闻啼鸟。夜来风雨声，花落知多少。";
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "insert into XW_全唐诗 values (?, ?, ?, ?, ?, ?)", -1, &insert, nullptr);
    for (int i = 0; i < 60000; ++i) {
        const std::string title = "诗题" + std::to_string(i);
        sqlite3_bind_int(insert, 1, i);
        sqlite3_bind_text(insert, 2, title.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 3, "诗人", -1, SQLITE_STATIC);
        sqlite3_bind_text(insert, 4, poem.c_str(), -1, SQLITE_STATIC);
        sqlite3_bind_text(insert, 5, "cqmygysdsstwmydtsgx", -1, SQLITE_STATIC);
        sqlite3_bind_int(insert, 6, 40);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_prepare_v2(db,
                       "insert into XW_CNWord values (?, ?, ?, ?, ?, 8, 8, 'ming', 'míng', 'm', 'ing', "
                       "'日', '火', 'jeg', ?, ?)",
                       -1, &insert, nullptr);
    const std::string text(300, 'x');
    for (int i = 0; i < 7000; ++i) {
        const std::string key = "字" + std::to_string(i);
        sqlite3_bind_int(insert, 1, i);
        sqlite3_bind_int(insert, 2, i);
        for (int column = 3; column <= 5; ++column)
            sqlite3_bind_text(insert, column, key.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 6, text.c_str(), -1, SQLITE_STATIC);
        sqlite3_bind_text(insert, 7, text.c_str(), -1, SQLITE_STATIC);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return file;
}

void BM_LoadNamingDatabase(benchmark::State& state)
{
    static const std::filesystem::path file = buildDatabase();
    NullSink sink;
    for (auto _ : state) {
        store::NamingStore namingStore;
        const store::LoadState result = store::LoadNamingDatabase(namingStore, file, sink);
        if (result != store::LoadState::Ready)
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_LoadNamingDatabase)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
