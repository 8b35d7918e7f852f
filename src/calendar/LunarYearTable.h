#pragma once

#include <array>
#include <cstdint>

namespace calendar::detail {

inline constexpr int kFirstLunarYear = 1901;
inline constexpr int kLastLunarYear = 2049;

// One lunar year: the month lengths as bits from bit 15 downward in the order the months occur (the leap
// month right after its namesake), a set bit for 30 days; and the month the leap month follows, or 0.
struct LunarYearEntry
{
    std::uint16_t monthBits;
    std::uint8_t leapMonth;
};

extern const std::array<LunarYearEntry, kLastLunarYear - kFirstLunarYear + 1> kLunarYears;

} // namespace calendar::detail
