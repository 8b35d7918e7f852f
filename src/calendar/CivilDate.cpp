#include "calendar/CivilDate.h"

#include <array>
#include <cstddef>

namespace calendar {
namespace {

constexpr std::array<int, 12> kDaysBeforeMonth = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

// Days from 0001-01-01 to the first day of the year.
constexpr int daysBeforeYear(int year) noexcept
{
    const int y = year - 1;
    return 365 * y + y / 4 - y / 100 + y / 400;
}

int daysFromEpoch(int year, int month, int day) noexcept
{
    int days = daysBeforeYear(year) + kDaysBeforeMonth[static_cast<std::size_t>(month - 1)] + day - 1;
    if (month > 2 && isLeapYear(year))
        ++days;
    return days;
}

} // namespace

bool isLeapYear(int year) noexcept
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) noexcept
{
    static constexpr std::array<int, 12> kLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    if (month == 2 && isLeapYear(year))
        return 29;
    return kLengths[static_cast<std::size_t>(month - 1)];
}

bool isValidDate(int year, int month, int day) noexcept
{
    return year >= 1 && year <= 9999 && day >= 1 && day <= daysInMonth(year, month);
}

bool isValidDateTime(const DateTime& dateTime) noexcept
{
    return isValidDate(dateTime.year, dateTime.month, dateTime.day) && dateTime.hour >= 0 &&
           dateTime.hour <= 23 && dateTime.minute >= 0 && dateTime.minute <= 59 && dateTime.second >= 0 &&
           dateTime.second <= 59;
}

int dayNumber(int year, int month, int day) noexcept
{
    return daysFromEpoch(year, month, day) - daysFromEpoch(1901, 1, 1);
}

} // namespace calendar
