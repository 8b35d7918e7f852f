#pragma once

#include <compare>

namespace calendar {

// A civil wall-clock date and time in the proleptic Gregorian calendar, without time zone.
struct DateTime
{
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;

    // Field by field, which is chronological order for valid values.
    // NOLINTNEXTLINE(modernize-use-nullptr): clang-tidy 14 misreads a defaulted comparison
    friend constexpr auto operator<=>(const DateTime&, const DateTime&) = default;
};

bool isLeapYear(int year) noexcept;

// 28 to 31; 0 for a month outside 1 to 12.
int daysInMonth(int year, int month) noexcept;

// Years 1 to 9999, months 1 to 12, days within the month.
bool isValidDate(int year, int month, int day) noexcept;

// A valid date at 00:00:00 to 23:59:59.
bool isValidDateTime(const DateTime& dateTime) noexcept;

// Days from 1901-01-01 (day 0) to the date; negative before it. Every calendar of this library converts
// through this one serial number. The date must be valid.
int dayNumber(int year, int month, int day) noexcept;

} // namespace calendar
