#include "calendar/LunarCalendar.h"

#include "calendar/LunarYearTable.h"

namespace calendar {
namespace {

constexpr bool inTable(int lunarYear) noexcept
{
    return lunarYear >= detail::kFirstLunarYear && lunarYear <= detail::kLastLunarYear;
}

const detail::LunarYearEntry& entryOf(int lunarYear) noexcept
{
    return detail::kLunarYears[static_cast<std::size_t>(lunarYear - detail::kFirstLunarYear)];
}

constexpr int monthLength(unsigned bits, int position) noexcept
{
    return (bits >> position) & 1U ? 30 : 29;
}

// Day number of lunar 1901 正月初一.
constexpr int kFirstLunarDayNumber = 49;

} // namespace

int LeapMonthOf(int lunarYear) noexcept
{
    return inTable(lunarYear) ? entryOf(lunarYear).leapMonth : -1;
}

LunarMonthLengths LunarMonthDays(int lunarYear, int month) noexcept
{
    if (!inTable(lunarYear) || month < 1 || month > 12)
        return {};
    const detail::LunarYearEntry& entry = entryOf(lunarYear);
    const int leapMonth = entry.leapMonth;
    // Months take bits from 15 downward in the order they occur; the leap month sits right after its
    // namesake and pushes every later month one bit lower.
    int position = 16 - month;
    if (leapMonth != 0 && month > leapMonth)
        --position;
    LunarMonthLengths lengths;
    lengths.ordinary = monthLength(entry.monthBits, position);
    if (month == leapMonth)
        lengths.leap = monthLength(entry.monthBits, 15 - leapMonth);
    return lengths;
}

int LunarYearDays(int lunarYear) noexcept
{
    int days = 0;
    for (int month = 1; month <= 12; ++month) {
        const LunarMonthLengths lengths = LunarMonthDays(lunarYear, month);
        days += lengths.ordinary + lengths.leap;
    }
    return days;
}

std::optional<LunarDate> LunarFromSolar(int year, int month, int day) noexcept
{
    if (!isValidDate(year, month, day))
        return std::nullopt;
    const DateTime date{year, month, day};
    if (date < kFirstLunarDay || date > kLastLunarDay)
        return std::nullopt;

    int n = dayNumber(year, month, day) - kFirstLunarDayNumber;
    int lunarYear = detail::kFirstLunarYear;
    for (int yearDays = LunarYearDays(lunarYear); n >= yearDays; yearDays = LunarYearDays(lunarYear)) {
        n -= yearDays;
        ++lunarYear;
    }
    for (int lunarMonth = 1; lunarMonth <= 12; ++lunarMonth) {
        const LunarMonthLengths lengths = LunarMonthDays(lunarYear, lunarMonth);
        if (n < lengths.ordinary)
            return LunarDate{lunarYear, lunarMonth, n + 1, false};
        n -= lengths.ordinary;
        if (n < lengths.leap)
            return LunarDate{lunarYear, lunarMonth, n + 1, true};
        n -= lengths.leap;
    }
    return std::nullopt; // unreachable: the year walk above leaves n inside the year
}

std::optional<LunarDate> LunarFromSolar(const DateTime& dateTime) noexcept
{
    return LunarFromSolar(dateTime.year, dateTime.month, dateTime.day);
}

} // namespace calendar
