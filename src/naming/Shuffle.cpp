#include "naming/Shuffle.h"

namespace naming {

ShuffleSeeder::ShuffleSeeder()
    : m_tick([] {
          const auto now = std::chrono::steady_clock::now().time_since_epoch();
          return static_cast<std::uint64_t>(
              std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
      })
{
}

ShuffleSeeder::ShuffleSeeder(std::uint64_t fixedTick) : m_tick([fixedTick] { return fixedTick; }) {}

std::uint64_t ShuffleSeeder::nextSeed()
{
    const std::uint64_t tick = m_tick();
    const std::uint64_t seed = tick + m_counter;
    m_counter += (seed % 256) + 100;
    return seed;
}

} // namespace naming
