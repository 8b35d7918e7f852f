// Times the naming run on the real database (data/namedata.db beside the executable, or NESTLING_DB):
// a full high-score run for 李, 男, two characters, and the scoring of every pair of the boys' list,
// the work a super-auspicious run does.
#include "naming/NamingRun.h"
#include "store/LoadNamingDatabase.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

class NullSink : public store::MessageSink
{
public:
    void showMessage(const store::Message&) override {}
};

const store::NamingStore* loadedStore()
{
    static store::NamingStore namingStore;
    static const bool ready = [] {
        const char* env = std::getenv("NESTLING_DB");
        const auto file =
            env ? std::filesystem::path(env) : store::defaultDatabaseFile(store::programFolder());
        NullSink sink;
        return store::LoadNamingDatabase(namingStore, file, sink) == store::LoadState::Ready;
    }();
    return ready ? &namingStore : nullptr;
}

void BM_HighScoreRun(benchmark::State& state)
{
    const store::NamingStore* namingStore = loadedStore();
    if (!namingStore) {
        state.SkipWithError("no database: build data/namedata.db or set NESTLING_DB");
        return;
    }
    naming::NamingRequest request;
    request.surname = "李";
    request.sex = "男";
    request.givenLength = 2;
    std::uint64_t seed = 1;
    size_t formed = 0;
    size_t rows = 0;
    for (auto _ : state) {
        request.seed = seed++;
        naming::RunObserver observer;
        naming::RunControl control;
        naming::NamingRun run(*namingStore, request, observer, control);
        run.run();
        formed += run.formedNames().names.size();
        rows = run.rows().size();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(formed));
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_HighScoreRun)->Unit(benchmark::kMillisecond);

void BM_ScoreAllBoysPairs(benchmark::State& state)
{
    const store::NamingStore* namingStore = loadedStore();
    if (!namingStore) {
        state.SkipWithError("no database: build data/namedata.db or set NESTLING_DB");
        return;
    }
    naming::Candidates candidates;
    for (std::string& c : naming::CharacterListFor("男"))
        candidates.add(std::move(c));
    candidates.add("李");
    naming::RunControl control;
    size_t scored = 0;
    for (auto _ : state) {
        const naming::FormedNames formed = naming::FormNames(*namingStore, candidates, 2, {}, control);
        numerology::CachedFortunes fortunes(*namingStore);
        // A threshold above 100 lists nothing, so every pair is scored.
        const auto rows =
            naming::ListScoredNames(candidates, formed, "李", {101, 10000}, fortunes, control, {});
        benchmark::DoNotOptimize(rows);
        scored += formed.names.size();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(scored));
}
BENCHMARK(BM_ScoreAllBoysPairs)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
