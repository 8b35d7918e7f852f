#pragma once

#include "calendar/CivilDate.h"

#include <optional>
#include <string>
#include <string_view>

namespace calendar {

// Sixty-cycle indexes of the year, month, day and hour pillars; 0 stands for no pillar.
struct PillarIndexes
{
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;

    friend constexpr bool operator==(const PillarIndexes&, const PillarIndexes&) = default;
};

struct PillarTexts
{
    std::string year;
    std::string month;
    std::string day;
    std::string hour;

    friend bool operator==(const PillarTexts&, const PillarTexts&) = default;
};

inline constexpr std::string_view kDefaultLunarDateFormat = "%Y年(%S)%M%D %y-%m-%d";

// The month's stem (1 to 10) for a year stem and a month branch; 0 outside the ranges.
int monthStemOf(int yearStem, int monthBranch) noexcept;

// The hour's stem for a day stem and an hour branch; 0 outside the ranges.
int hourStemOf(int dayStem, int hourBranch) noexcept;

// Which day the hour from 23:00 to midnight (晚子时) belongs to. NextDay: the day pillar changes at 23:00
// (the rule of the chart page, on by default as "23点后算次日"). SameDay: the day pillar stays that of the
// civil day until midnight; the hour pillar is the 子 hour that opens the next day either way, as the
// school of the late 子 hour counts it (日柱用当日，时柱用次日子时).
enum class LateZi
{
    NextDay,
    SameDay,
};

// The pillars of a birth at a civil wall-clock time. The year and month pillars change at the solar-term
// moments (UTC+8, compared as they stand), the day pillar at 23:00 (or at midnight, LateZi::SameDay), the
// hour pillar every two hours. All zero for an invalid date-time or one outside 1901-02-19 00:00 to
// 2048-12-31 23:59:59.
PillarIndexes FourPillars(const DateTime& birth, LateZi lateZi = LateZi::NextDay) noexcept;

// The texts of the four pillars (甲子 ...). nullopt for an invalid date-time or a year of 1900 or earlier;
// four empty texts from 1901-01-01 to 1901-02-18 and from 2049 on.
std::optional<PillarTexts> FourPillarTexts(const DateTime& birth, LateZi lateZi = LateZi::NextDay);

// The lunar date text: in `format` (kDefaultLunarDateFormat when empty) %Y becomes the year pillar, %S its
// animal, %M the lunar month name, %D the lunar day name, %y, %m, %d the civil year, month and day without
// leading zeros. The year and animal follow 立春, the month and day the lunar new year. Empty for an
// invalid date-time and for one outside 1901-02-19 to 2048-12-31, where no lunar date exists.
std::string FormatLunarDate(const DateTime& dateTime, std::string_view format = {});

} // namespace calendar
