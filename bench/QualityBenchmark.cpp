// Times the name check on the real database (data/namedata.db beside the executable, or NESTLING_DB):
// building the poem line index, finding the source line of a two-character name in it, and marking
// a name list row (what every naming run does for each row it writes).
#include "RealDatabase.h"
#include "naming/CharacterLists.h"
#include "quality/NameChecker.h"
#include "text/Utf8.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using bench::loadedStore;

// The given names of the classic two-character lists: ordinary names, most with a source line.
const std::vector<std::string>& classicNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> out = text::splitText(naming::classicTwoCharacterBoys(), ",");
        for (std::string& name : text::splitText(naming::classicTwoCharacterGirls(), ","))
            out.push_back(std::move(name));
        return out;
    }();
    return names;
}

void BM_PoemIndexBuild(benchmark::State& state)
{
    const store::NamingStore* store = loadedStore();
    if (!store) {
        state.SkipWithError("no database");
        return;
    }
    size_t lines = 0;
    for (auto _ : state) {
        const quality::PoemIndex index = quality::PoemIndex::build(*store);
        lines = index.lineCount();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_PoemIndexBuild)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_SourceLookup(benchmark::State& state)
{
    const store::NamingStore* store = loadedStore();
    if (!store) {
        state.SkipWithError("no database");
        return;
    }
    static const quality::PoemIndex index = quality::PoemIndex::build(*store);
    const std::vector<std::string>& names = classicNames();
    size_t i = 0;
    size_t found = 0;
    size_t looked = 0;
    for (auto _ : state) {
        const auto source = index.find(names[i]);
        found += source ? 1 : 0;
        ++looked;
        benchmark::DoNotOptimize(source);
        i = (i + 1) % names.size();
    }
    state.counters["found_share"] = static_cast<double>(found) / static_cast<double>(looked);
    state.SetItemsProcessed(static_cast<int64_t>(looked));
}
BENCHMARK(BM_SourceLookup)->Unit(benchmark::kMicrosecond);

void BM_RowMarks(benchmark::State& state)
{
    const store::NamingStore* store = loadedStore();
    if (!store) {
        state.SkipWithError("no database");
        return;
    }
    static const quality::QualityData data = quality::QualityData::load(*store);
    const std::vector<std::string>& names = classicNames();
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(data.marks("李", names[i]));
        i = (i + 1) % names.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RowMarks)->Unit(benchmark::kNanosecond);

} // namespace

BENCHMARK_MAIN();
