// Times the naming run on the real database (data/namedata.db beside the executable, or NESTLING_DB):
// a full high-score run for 李, 男, two characters, and the scoring of every pair of the boys' list,
// the work a super-auspicious run does; and whole super-auspicious runs for 李 with the default panel.
#include "naming/NamingRun.h"
#include "naming/SuperAuspicious.h"
#include "store/LoadNamingDatabase.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <sys/resource.h>

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

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

double threadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// A whole super-auspicious run as 生成 starts it: the shuffled list of the sex plus the surname, the
// default panel (all characters must carry one of the five elements), every pair formed, scored until
// 100 000 rows are written, sorted. The counters give how many names were formed and scored.
void BM_SuperAuspiciousRun(benchmark::State& state, const char* sex)
{
    const store::NamingStore* namingStore = loadedStore();
    if (!namingStore) {
        state.SkipWithError("no database: build data/namedata.db or set NESTLING_DB");
        return;
    }
    naming::NamingRequest request;
    request.mode = naming::Mode::SuperAuspicious;
    request.surname = "李";
    request.sex = sex;
    request.seed = 1;
    size_t formed = 0;
    size_t rows = 0;
    naming::ListingStats stats;
    double runCpuSeconds = 0;
    for (auto _ : state) {
        naming::RunObserver observer;
        naming::RunControl control;
        naming::NamingRun run(*namingStore, request, observer, control);
        const double cpuBefore = threadCpuSeconds();
        run.run();
        runCpuSeconds += threadCpuSeconds() - cpuBefore;
        formed = run.formedNames().names.size();
        rows = run.rows().size();
        state.PauseTiming();
        // The same listing again, untimed, only to count what the run looked at.
        numerology::CachedFortunes fortunes(*namingStore);
        const int threshold = naming::SuperAuspiciousThreshold(
            numerology::SurnameHeavenFortune(fortunes, request.surname, run.candidates().cache));
        naming::ListSuperAuspiciousNames(run.candidates(), run.formedNames(), request.surname,
                                         {threshold, naming::kSuperAuspiciousRows}, fortunes, control, {}, {},
                                         &stats);
        state.ResumeTiming();
    }
    // Rates from the run's own CPU time: the machine is shared, so wall time varies with its load.
    const double cpuSeconds =
        state.iterations() ? runCpuSeconds / static_cast<double>(state.iterations()) : 0;
    const auto scored = static_cast<double>(stats.scored);
    state.counters["formed"] = static_cast<double>(formed);
    state.counters["scored"] = scored;
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["scored_per_s"] = cpuSeconds > 0 ? scored / cpuSeconds : 0;
    state.counters["ns_per_scored"] = scored > 0 ? cpuSeconds * 1e9 / scored : 0;
    state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK_CAPTURE(BM_SuperAuspiciousRun, boys, "男")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_SuperAuspiciousRun, girls, "女")->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
