#pragma once

#include "calendar/CivilDate.h"

#include <optional>
#include <string_view>

namespace calendar {

// Solar terms are numbered 1 (小寒, the sun at 285 degrees) to 24 (冬至) within each civil year. Their
// moments are held for the years 1880 to 2079 in China Standard Time (UTC+8), to the second.
inline constexpr int kFirstSolarTermYear = 1880;
inline constexpr int kLastSolarTermYear = 2079;

// 小寒 to 冬至; empty outside 1 to 24.
std::string_view solarTermName(int term) noexcept;

// The term that falls on this civil day, else 0 (also for a year outside 1880 to 2079). No two terms of a
// year share a day.
int SolarTermOfDate(int year, int month, int day) noexcept;

// The moment of a term; nullopt for a year outside 1880 to 2079 or a term outside 1 to 24.
std::optional<DateTime> SolarTermMoment(int year, int term) noexcept;

} // namespace calendar
