#pragma once

#include "calendar/CivilDate.h"

#include <compare>
#include <optional>

namespace calendar {

// A date of the Chinese lunisolar calendar. The year is the Gregorian year of its first day; `leap` is set
// in the intercalary month that follows the month of the same number.
struct LunarDate
{
    int year = 0;
    int month = 0; // 1 to 12
    int day = 0;   // 1 to 30
    bool leap = false;

    friend constexpr auto operator<=>(const LunarDate&, const LunarDate&) = default;
};

// The lengths of month `month` and of the leap month of the same number (0 when there is none).
struct LunarMonthLengths
{
    int ordinary = 0;
    int leap = 0;

    friend constexpr bool operator==(const LunarMonthLengths&, const LunarMonthLengths&) = default;
};

// The civil dates the conversion covers.
inline constexpr DateTime kFirstLunarDay{1901, 2, 19};
inline constexpr DateTime kLastLunarDay{2048, 12, 31};

// The month the year's leap month follows, 0 when it has none; -1 for a year outside 1901 to 2049.
int LeapMonthOf(int lunarYear) noexcept;

// 29 or 30 each; {0, 0} for a year outside 1901 to 2049 or a month outside 1 to 12.
LunarMonthLengths LunarMonthDays(int lunarYear, int month) noexcept;

// 353 to 355, or 383 to 385 with a leap month; 0 outside 1901 to 2049.
int LunarYearDays(int lunarYear) noexcept;

// The lunar date of a civil date from 1901-02-19 to 2048-12-31; nullopt for any other date and for a
// date that does not exist (2013-02-30). The lunar day changes at midnight: a date-time's time is ignored.
std::optional<LunarDate> LunarFromSolar(int year, int month, int day) noexcept;
std::optional<LunarDate> LunarFromSolar(const DateTime& dateTime) noexcept;

} // namespace calendar
