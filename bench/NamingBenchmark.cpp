// Times the naming run on the real database (data/namedata.db beside the executable, or NESTLING_DB):
// the scoring of every pair of the boys' list for 李 inside a run's listing beside the floor (the same
// arithmetic on plain arrays), a full high-score run for 李, 男, two characters, and whole
// super-auspicious runs for 李 with the default panel. Times are CPU times of the working thread, as
// the machines are shared; names formed and names scored are counted apart.
#include "RealDatabase.h"
#include "naming/NamingRun.h"
#include "naming/SuperAuspicious.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <ctime>
#include <sys/resource.h>

namespace {

using bench::loadedStore;

double threadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Every pair of the boys' list plus 李, looked up and formed as a run forms them: the names the
// scoring benchmarks score.
struct BoysPairs
{
    naming::Candidates candidates;
    naming::FormedNames formed;
};

const BoysPairs& boysPairs(const store::NamingStore& namingStore)
{
    static const BoysPairs pairs = [&] {
        BoysPairs out;
        for (std::string& c : naming::characterListFor("男"))
            out.candidates.add(std::move(c));
        out.candidates.add("李");
        naming::RunControl control;
        out.formed = naming::FormNames(namingStore, out.candidates, 2, {}, control);
        return out;
    }();
    return pairs;
}

// The floor: the same scoring on plain arrays, as little as the hardware allows. Per name four
// records (Kangxi counts), five 81-number lookups, one three-talent lookup and a weighted sum.
struct Floor
{
    std::vector<int> traditional; // by candidate
    std::vector<std::uint8_t> numberFactor;
    std::array<std::uint8_t, numerology::kThreeTalentKeys> talentFactor{};
    int s1 = 0;
    int s2 = 0;

    Floor(const store::NamingStore& namingStore, const naming::Candidates& candidates)
    {
        const numerology::FortuneTables tables(namingStore);
        for (size_t i = 0; i < candidates.size(); ++i)
            traditional.push_back(candidates.cache[i].traditionalStrokes);
        numberFactor.resize(512);
        for (size_t n = 0; n < numberFactor.size(); ++n)
            numberFactor[n] =
                static_cast<std::uint8_t>(tables.factorPercent(tables.gridWord(static_cast<int>(n))));
        for (int k = 0; k < numerology::kThreeTalentKeys; ++k)
            talentFactor[static_cast<size_t>(k)] =
                static_cast<std::uint8_t>(tables.factorPercent(tables.talentWord(k)));
        s1 = traditional.back(); // 李
    }

    // Sum of the scores of all names, so nothing is optimised away.
    std::int64_t scoreAll(const std::vector<naming::FormedName>& names) const
    {
        std::int64_t sum = 0;
        const auto f = [this](int n) { return static_cast<int>(numberFactor[static_cast<size_t>(n) & 511]); };
        for (const naming::FormedName& name : names) {
            const int g1 = traditional[static_cast<size_t>(name.first)];
            const int g2 = traditional[static_cast<size_t>(name.second)];
            const numerology::FiveGrids grids = numerology::ComputeFiveGrids(s1, s2, g1, g2, {1, 2});
            const int key = numerology::threeTalentKeyNumber(grids);
            sum += (5 * f(grids.heaven) + 30 * f(grids.person) + 20 * f(grids.earth) + 20 * f(grids.total) +
                    10 * f(grids.outer) + 15 * talentFactor[static_cast<size_t>(key)]) /
                   100;
        }
        return sum;
    }

    // CPU nanoseconds per name, the best of a few passes.
    double nsPerName(const std::vector<naming::FormedName>& names) const
    {
        double best = 1e9;
        for (int pass = 0; pass < 5; ++pass) {
            const double before = threadCpuSeconds();
            benchmark::DoNotOptimize(scoreAll(names));
            best = std::min(best, (threadCpuSeconds() - before) * 1e9 / static_cast<double>(names.size()));
        }
        return best;
    }
};

void BM_ScoringFloor(benchmark::State& state)
{
    const store::NamingStore* namingStore = loadedStore();
    if (!namingStore) {
        state.SkipWithError("no database: build data/namedata.db or set NESTLING_DB");
        return;
    }
    const BoysPairs& pairs = boysPairs(*namingStore);
    const Floor floor(*namingStore, pairs.candidates);
    double cpu = 0;
    for (auto _ : state) {
        const double before = threadCpuSeconds();
        benchmark::DoNotOptimize(floor.scoreAll(pairs.formed.names));
        cpu += threadCpuSeconds() - before;
    }
    const auto names = static_cast<double>(pairs.formed.names.size());
    state.counters["scored"] = names;
    state.counters["ns_per_scored"] = cpu * 1e9 / (names * static_cast<double>(state.iterations()));
}
BENCHMARK(BM_ScoringFloor)->Unit(benchmark::kMillisecond);

// Scoring inside a run: the listing of every pair of the boys' list for 李, as a super-auspicious run
// lists them, with a threshold no name reaches, so every name is scored and none is written. The
// floor is measured in the same run and the ratio printed beside it.
void BM_ScoringInRun(benchmark::State& state)
{
    const store::NamingStore* namingStore = loadedStore();
    if (!namingStore) {
        state.SkipWithError("no database: build data/namedata.db or set NESTLING_DB");
        return;
    }
    const BoysPairs& pairs = boysPairs(*namingStore);
    naming::RunControl control;
    const numerology::FortuneTables fortunes(*namingStore);
    naming::ListingStats stats;
    double cpu = 0;
    for (auto _ : state) {
        const double before = threadCpuSeconds();
        const auto rows = naming::ListScoredNames(pairs.candidates, pairs.formed, "李", {101, 10000},
                                                  fortunes, control, {}, {}, &stats);
        cpu += threadCpuSeconds() - before;
        benchmark::DoNotOptimize(rows);
    }
    const double floorNs = Floor(*namingStore, pairs.candidates).nsPerName(pairs.formed.names);
    const double nsPerScored =
        cpu * 1e9 / (static_cast<double>(stats.scored) * static_cast<double>(state.iterations()));
    state.counters["formed"] = static_cast<double>(pairs.formed.names.size());
    state.counters["scored"] = static_cast<double>(stats.scored);
    state.counters["ns_per_scored"] = nsPerScored;
    state.counters["floor_ns"] = floorNs;
    state.counters["ratio"] = nsPerScored / floorNs;
}
BENCHMARK(BM_ScoringInRun)->Unit(benchmark::kMillisecond);

// A full high-score run for 李, 男, two characters (a new random subset each time). Formed names
// and scored names are counted apart: the names holding the surname are formed but not scored.
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
    size_t scored = 0;
    size_t rows = 0;
    double cpu = 0;
    for (auto _ : state) {
        request.seed = seed++;
        naming::RunObserver observer;
        naming::RunControl control;
        naming::NamingRun run(*namingStore, request, observer, control);
        const double before = threadCpuSeconds();
        run.run();
        cpu += threadCpuSeconds() - before;
        formed += run.formedNames().names.size();
        scored += run.listingStats().scored;
        rows = run.rows().size();
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["formed"] = static_cast<double>(formed) / iterations;
    state.counters["scored"] = static_cast<double>(scored) / iterations;
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["cpu_ms"] = cpu * 1e3 / iterations;
}
BENCHMARK(BM_HighScoreRun)->Unit(benchmark::kMillisecond);

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
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
        stats = run.listingStats();
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
    state.counters["cpu_ms"] = cpuSeconds * 1e3;
    state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK_CAPTURE(BM_SuperAuspiciousRun, boys, "男")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_SuperAuspiciousRun, girls, "女")->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
