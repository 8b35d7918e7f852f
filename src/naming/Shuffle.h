#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace naming {

// Where shuffles get their seeds: the millisecond clock plus a counter that moves on after every
// seeding, so two shuffles in the same millisecond still differ. A fixed tick makes runs repeatable.
class ShuffleSeeder
{
public:
    using Tick = std::function<std::uint64_t()>;

    ShuffleSeeder();
    explicit ShuffleSeeder(std::uint64_t fixedTick);
    explicit ShuffleSeeder(Tick tick) : m_tick(std::move(tick)) {}

    std::uint64_t nextSeed();

private:
    Tick m_tick;
    std::uint64_t m_counter = 0;
};

// A random permutation in place: for i = 0 .. n-2, swap entry i with an entry drawn uniformly from i..n-1.
template <typename T> void ShuffleList(std::vector<T>& entries, ShuffleSeeder& seeder)
{
    std::mt19937_64 generator(seeder.nextSeed());
    const size_t n = entries.size();
    for (size_t i = 0; i + 1 < n; ++i) {
        const size_t j = i + static_cast<size_t>(generator() % (n - i));
        std::swap(entries[i], entries[j]);
    }
}

} // namespace naming
