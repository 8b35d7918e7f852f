#include "calendar/LunarCalendar.h"
#include "calendar/CycleNames.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

using calendar::LunarDate;
using namespace std::chrono;

std::string describe(const LunarDate& d)
{
    return std::to_string(d.year) + " " + calendar::LunarMonthName(d.month, d.leap) +
           calendar::LunarDayName(d.day);
}

std::optional<LunarDate> lunarOf(sys_days d)
{
    const year_month_day ymd{d};
    return calendar::LunarFromSolar(static_cast<int>(ymd.year()), static_cast<int>(unsigned(ymd.month())),
                                    static_cast<int>(unsigned(ymd.day())));
}

// The day after `d` in the lunar calendar, from the table's month lengths.
LunarDate nextLunarDay(const LunarDate& d)
{
    const calendar::LunarMonthLengths lengths = calendar::LunarMonthDays(d.year, d.month);
    const int length = d.leap ? lengths.leap : lengths.ordinary;
    if (d.day < length)
        return {d.year, d.month, d.day + 1, d.leap};
    if (!d.leap && lengths.leap != 0)
        return {d.year, d.month, 1, true};
    if (d.month < 12)
        return {d.year, d.month + 1, 1, false};
    return {d.year + 1, 1, 1, false};
}

TEST(LunarCalendar, EveryDayOfTheRangeFollowsThePreviousOne)
{
    const sys_days first = year{1901} / February / 19;
    const sys_days last = year{2048} / December / 31;
    std::optional<LunarDate> previous = lunarOf(first);
    ASSERT_TRUE(previous);
    EXPECT_EQ(*previous, (LunarDate{1901, 1, 1, false}));
    int daysInYear = 1;
    for (sys_days d = first + days{1}; d <= last; d += days{1}) {
        const std::optional<LunarDate> current = lunarOf(d);
        ASSERT_TRUE(current) << (d - first).count();
        ASSERT_EQ(*current, nextLunarDay(*previous)) << describe(*previous) << " -> " << describe(*current);
        if (current->year != previous->year) {
            ASSERT_EQ(daysInYear, calendar::LunarYearDays(previous->year)) << previous->year;
            daysInYear = 0;
        }
        ++daysInYear;
        previous = current;
    }
    EXPECT_EQ(*previous, (LunarDate{2048, 11, 27, false}));
}

TEST(LunarCalendar, NewYearsFollowFromTheTableAlone)
{
    struct Case
    {
        int year, month, day;
    };
    for (const Case& c : {Case{1901, 2, 19}, Case{2013, 2, 10}, Case{2014, 1, 31}, Case{2048, 2, 14}}) {
        SCOPED_TRACE(c.year);
        EXPECT_EQ(calendar::LunarFromSolar(c.year, c.month, c.day), (LunarDate{c.year, 1, 1, false}));
    }
    // 2049-02-02 lies beyond the conversion; the year lengths still place it.
    int newYear = calendar::dayNumber(1901, 2, 19);
    for (int y = 1901; y <= 2048; ++y)
        newYear += calendar::LunarYearDays(y);
    EXPECT_EQ(newYear, calendar::dayNumber(2049, 2, 2));
}

TEST(LunarCalendar, KnownDates)
{
    struct Case
    {
        int year, month, day;
        LunarDate lunar;
    };
    const Case cases[] = {
        {1901, 2, 19, {1901, 1, 1, false}},   {2048, 12, 31, {2048, 11, 27, false}},
        {2013, 2, 9, {2012, 12, 29, false}},  {2013, 2, 10, {2013, 1, 1, false}},
        {2014, 1, 30, {2013, 12, 30, false}}, {2012, 5, 20, {2012, 4, 30, false}},
        {2012, 5, 21, {2012, 4, 1, true}},    {2012, 6, 18, {2012, 4, 29, true}},
        {2012, 6, 19, {2012, 5, 1, false}},   {2023, 3, 22, {2023, 2, 1, true}},
        {2033, 12, 22, {2033, 11, 1, true}},  {1970, 1, 1, {1969, 11, 24, false}},
        {2030, 12, 31, {2030, 12, 7, false}}, {2020, 6, 15, {2020, 4, 24, true}},
        {1984, 2, 4, {1984, 1, 3, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << '-' << c.month << '-' << c.day);
        const std::optional<LunarDate> lunar = calendar::LunarFromSolar(c.year, c.month, c.day);
        ASSERT_TRUE(lunar);
        EXPECT_EQ(*lunar, c.lunar) << describe(*lunar);
    }
}

TEST(LunarCalendar, DatesOutsideTheRangeOrCalendarFail)
{
    struct Case
    {
        int year, month, day;
    };
    const Case cases[] = {{1901, 2, 18}, {1900, 12, 31}, {1, 1, 1},    {2049, 1, 1},
                          {2100, 6, 1},  {2013, 13, 1},  {2013, 0, 1}, {2013, 2, 30}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << '-' << c.month << '-' << c.day);
        EXPECT_FALSE(calendar::LunarFromSolar(c.year, c.month, c.day));
    }
    // Only the date of a date-time counts.
    EXPECT_EQ(calendar::LunarFromSolar(calendar::DateTime{2013, 2, 9, 23, 59, 59}),
              (LunarDate{2012, 12, 29, false}));
}

TEST(LunarCalendar, YearTable)
{
    EXPECT_EQ(calendar::LunarYearDays(2012), 384);
    EXPECT_EQ(calendar::LunarYearDays(2013), 355);
    EXPECT_EQ(calendar::LunarYearDays(1900), 0);
    EXPECT_EQ(calendar::LunarYearDays(2050), 0);
    EXPECT_EQ(calendar::LeapMonthOf(2033), 11);
    EXPECT_EQ(calendar::LeapMonthOf(2013), 0);
    EXPECT_EQ(calendar::LeapMonthOf(1900), -1);
    EXPECT_EQ(calendar::LeapMonthOf(2050), -1);
    EXPECT_EQ(calendar::LunarMonthDays(2012, 4), (calendar::LunarMonthLengths{30, 29}));
    EXPECT_EQ(calendar::LunarMonthDays(2012, 5), (calendar::LunarMonthLengths{30, 0}));
    EXPECT_EQ(calendar::LunarMonthDays(2013, 13), (calendar::LunarMonthLengths{}));
    EXPECT_EQ(calendar::LunarMonthDays(2013, 0), (calendar::LunarMonthLengths{}));
    EXPECT_EQ(calendar::LunarMonthDays(2049, 1).ordinary, 30);
    for (int y = 1901; y <= 2049; ++y) {
        SCOPED_TRACE(y);
        const int days = calendar::LunarYearDays(y);
        if (calendar::LeapMonthOf(y) == 0)
            EXPECT_TRUE(days >= 353 && days <= 355) << days;
        else
            EXPECT_TRUE(days >= 383 && days <= 385) << days;
    }
}

TEST(CycleNames, SixtyCycle)
{
    EXPECT_EQ(calendar::CycleText(1), "甲子");
    EXPECT_EQ(calendar::CycleText(2), "乙丑");
    EXPECT_EQ(calendar::CycleText(11), "甲戌");
    EXPECT_EQ(calendar::CycleText(38), "辛丑");
    EXPECT_EQ(calendar::CycleText(60), "癸亥");
    EXPECT_EQ(calendar::CycleText(0), "");
    EXPECT_EQ(calendar::CycleText(61), "");
    EXPECT_EQ(calendar::CycleIndex(1, 2), 0) << "there is no 甲丑";
    EXPECT_EQ(calendar::CycleIndex(0, 0), 0);
    EXPECT_EQ(calendar::StemBranchOf(0), (calendar::StemBranch{}));
    for (int n = 1; n <= 60; ++n) {
        const calendar::StemBranch pair = calendar::StemBranchOf(n);
        EXPECT_EQ(calendar::CycleIndex(pair.stem, pair.branch), n);
        EXPECT_EQ(pair.stem % 2, pair.branch % 2);
    }
}

TEST(CycleNames, MonthDayAndAnimalNames)
{
    std::string days;
    for (int day = 1; day <= 30; ++day)
        days += calendar::LunarDayName(day) + " ";
    EXPECT_EQ(days,
              "初一 初二 初三 初四 初五 初六 初七 初八 初九 初十 十一 十二 十三 十四 十五 十六 十七 十八 "
              "十九 二十 廿一 廿二 廿三 廿四 廿五 廿六 廿七 廿八 廿九 三十 ");
    EXPECT_EQ(calendar::LunarDayName(0), "");
    EXPECT_EQ(calendar::LunarDayName(31), "");

    std::string months;
    for (int month = 1; month <= 12; ++month)
        months += calendar::LunarMonthName(month, false);
    EXPECT_EQ(months, "正月二月三月四月五月六月七月八月九月十月冬月腊月");
    EXPECT_EQ(calendar::LunarMonthName(4, true), "闰四月");
    EXPECT_EQ(calendar::LunarMonthName(11, true), "闰冬月");
    EXPECT_EQ(calendar::LunarMonthName(13, false), "");

    std::string animals;
    for (int branch = 1; branch <= 12; ++branch)
        animals += calendar::ZodiacName(branch);
    EXPECT_EQ(animals, "鼠牛虎兔龙蛇马羊猴鸡狗猪");
    EXPECT_EQ(calendar::ZodiacName(0), "");
}

} // namespace
